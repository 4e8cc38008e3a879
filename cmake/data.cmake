# The program folder's data beside the executables: data/Dane, data/Grafika, data/Zestawy (and
# the default settings files once they exist) are copied into ${CMAKE_BINARY_DIR}/bin, the
# working folder in which tools/run starts the program. Each file is copied again only when its
# source changed, so a catalogue edited in bin/ by the program survives builds that did not touch
# data/. README.md documents the sources and is not part of the program folder.
set(VINDARGAST_DATA_SOURCE ${CMAKE_CURRENT_LIST_DIR}/../data)
get_filename_component(VINDARGAST_DATA_SOURCE ${VINDARGAST_DATA_SOURCE} ABSOLUTE)
set(VINDARGAST_PROGRAM_DIR ${CMAKE_BINARY_DIR}/bin)

file(GLOB_RECURSE VINDARGAST_DATA_FILES CONFIGURE_DEPENDS LIST_DIRECTORIES false
     RELATIVE ${VINDARGAST_DATA_SOURCE} ${VINDARGAST_DATA_SOURCE}/*)
list(REMOVE_ITEM VINDARGAST_DATA_FILES README.md)

set(VINDARGAST_DATA_OUTPUTS)
foreach(file ${VINDARGAST_DATA_FILES})
  add_custom_command(
    OUTPUT ${VINDARGAST_PROGRAM_DIR}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VINDARGAST_DATA_SOURCE}/${file}
            ${VINDARGAST_PROGRAM_DIR}/${file}
    DEPENDS ${VINDARGAST_DATA_SOURCE}/${file}
    COMMENT "Program data: ${file}"
    VERBATIM)
  list(APPEND VINDARGAST_DATA_OUTPUTS ${VINDARGAST_PROGRAM_DIR}/${file})
endforeach()

add_custom_target(program_data ALL DEPENDS ${VINDARGAST_DATA_OUTPUTS})
