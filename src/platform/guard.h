// The handler guard. An error thrown in a slot or timer handler (a text that is not a number, a
// failed file or database call) must not cross Qt's event loop: it ends the handler where it was
// thrown and is shown in the application's error box with its exact text, and the program goes on.
// Connect every handler that reads numbers or files through Connect, or wrap it in Guarded.
//
//   platform::Connect(ui().BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
//   platform::Connect(ui().ETempCWU, &QLineEdit::textChanged, this, [this] { ETempCWUChange(); });
//   QTimer::singleShot(0, this, platform::Guarded([this] { ... }));
//   platform::RunGuarded([this] { FormCreate(); });  // in a constructor or an event filter
#pragma once

#include <QObject>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace platform {

// Shows the exception being handled in the application's error box: a std::exception with its
// what() text (UTF-8), anything else with an empty text. Call only inside a catch block.
void ReportCurrentException() noexcept;

// Runs fn; an exception ends it and is reported. True when fn ran to its end.
template <typename Fn>
bool RunGuarded(Fn&& fn) noexcept {
  try {
    std::forward<Fn>(fn)();
    return true;
  } catch (...) {
    ReportCurrentException();
    return false;
  }
}

// A callable that runs fn with the signal's arguments (as many as fn takes) under the guard.
template <typename Fn>
class GuardedCall {
 public:
  explicit GuardedCall(Fn fn) : fn_(std::move(fn)) {}

  // Constrained, so that Qt finds how many of a signal's arguments the handler takes.
  template <typename... Args, std::enable_if_t<std::is_invocable_v<Fn&, Args&&...>, int> = 0>
  void operator()(Args&&... args) const noexcept {
    try {
      std::invoke(fn_, std::forward<Args>(args)...);
    } catch (...) {
      ReportCurrentException();
    }
  }

 private:
  mutable Fn fn_;
};

// A member function bound to its object, taking as many arguments as the member does.
template <typename Receiver, typename Method>
class BoundMethod {
 public:
  BoundMethod(Receiver* receiver, Method method) : receiver_(receiver), method_(method) {}

  template <typename... Args,
            std::enable_if_t<std::is_invocable_v<Method, Receiver*, Args&&...>, int> = 0>
  void operator()(Args&&... args) const {
    std::invoke(method_, receiver_, std::forward<Args>(args)...);
  }

 private:
  Receiver* receiver_;
  Method method_;
};

template <typename Fn>
GuardedCall<std::decay_t<Fn>> Guarded(Fn&& fn) {
  return GuardedCall<std::decay_t<Fn>>(std::forward<Fn>(fn));
}

template <typename Receiver, typename Method,
          std::enable_if_t<std::is_member_function_pointer_v<Method>, int> = 0>
GuardedCall<BoundMethod<Receiver, Method>> Guarded(Receiver* receiver, Method method) {
  return Guarded(BoundMethod<Receiver, Method>(receiver, method));
}

// QObject::connect with the handler under the guard; the connection ends with the receiver.
// handler: a member function of the receiver, or any callable.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection Connect(Sender* sender, Signal signal, Receiver* receiver,
                                Handler&& handler, Qt::ConnectionType type = Qt::AutoConnection) {
  static_assert(std::is_base_of_v<QObject, Receiver>, "the receiver must be a QObject");
  if constexpr (std::is_member_function_pointer_v<std::decay_t<Handler>>) {
    return QObject::connect(sender, signal, receiver, Guarded(receiver, handler), type);
  } else {
    return QObject::connect(sender, signal, receiver, Guarded(std::forward<Handler>(handler)),
                            type);
  }
}

}  // namespace platform
