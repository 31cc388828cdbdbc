#pragma once
// The running program: the session and every window, created once in start-up order.

#include <memory>

#include "ui/app/session.h"

namespace jrv::ui {

class Prompter;

// The application's name, without a display name: the platform would append that to every
// window's caption.
void name_the_application();

class Program {
 public:
  explicit Program(Prompter& prompter);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Session& session() { return session_; }
  const Windows& windows() const { return session_.windows; }
  TMapForm& main_window() { return *main_; }

 private:
  Session session_;
  std::unique_ptr<TMapForm> main_;
};

}  // namespace jrv::ui
