# A window layer (main, project, economics, report, editors, online) is one static library of every
# .cpp, .h, .ui and .qrc file in its folder. Windows reach each other through their global
# instances (src/app/windows.h), so the window layers also use each other: they are linked to one
# another once all of them are known (vindargast_link_window_layers).
set(VINDARGAST_WINDOW_LAYERS main project economics report editors online)

function(vindargast_window_layer name)
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  # The generated form headers (ui_*.h) are public: a window's header holds its form, and other
  # layers and the tests include window headers.
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src
                                            ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/include)
  target_link_libraries(${name} PUBLIC engine platform windows_globals Qt6::Widgets Qt6::Network
                                       Qt6::Sql)
endfunction()

function(vindargast_link_window_layers)
  foreach(a ${VINDARGAST_WINDOW_LAYERS})
    if(TARGET ${a})
      # The layers' static libraries call each other round in a circle; the linker walks the
      # circle this many times, so that a call the last pass brought in is still resolved.
      set_property(TARGET ${a} PROPERTY LINK_INTERFACE_MULTIPLICITY 3)
      foreach(b ${VINDARGAST_WINDOW_LAYERS})
        if(TARGET ${b} AND NOT a STREQUAL b)
          target_link_libraries(${a} PUBLIC ${b})
        endif()
      endforeach()
    endif()
  endforeach()
endfunction()
