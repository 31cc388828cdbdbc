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
  // Every window at once.
  explicit Program(Prompter& prompter);
  // Only the main window (with its menus); create_side_windows() makes the others, so that
  // a start shows the main window without waiting for windows the user has not asked for.
  enum MainWindowFirst { main_window_first };
  Program(Prompter& prompter, MainWindowFirst);
  // The windows other than the main window, in start-up order; once.
  void create_side_windows();
  bool has_side_windows() const { return session_.windows.edit != nullptr; }

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
