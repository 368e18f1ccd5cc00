// The life of a window that is loaded on first use and unloaded when it closes, written once for
// both front ends. `View` is the window's view, `FrontWindow` the front end's window, `Handlers`
// the window's logic, which unloads it, and `Retirement` how the front end takes a window away
// for good: called with the window, which may be closing from inside one of its own handlers.
// The hosts of the tree window and the scroll companion derive from this.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace tavelin::core {

// Retirement for a window that is never closed from its own handlers: it goes at once.
struct RetireAtOnce {
  template <typename FrontWindow>
  void operator()(std::unique_ptr<FrontWindow>) const {}
};

template <typename View, typename FrontWindow, typename Handlers, typename Retirement>
class WindowHost : public View {
 public:
  explicit WindowHost(const char* name) : name_(name) {}
  WindowHost(const WindowHost&) = delete;
  WindowHost& operator=(const WindowHost&) = delete;

  // The handlers need this host as their view, so they are attached once both exist.
  void Attach(Handlers& handlers) { handlers_ = &handlers; }

  // The front end's window; nullptr while not loaded.
  FrontWindow* Window() const { return window_.get(); }

  bool Loaded() const override { return window_ != nullptr; }
  void Load() override {
    if (window_ != nullptr) return;
    window_ = Make();
    shownSinceLoad_ = false;
  }
  void Unload() override {
    if (window_ != nullptr) retirement_(std::move(window_));
  }

 protected:
  // The loaded window; throws std::logic_error when there is none.
  FrontWindow& Require() const {
    if (window_ == nullptr) throw std::logic_error(std::string(name_) + " is not loaded");
    return *window_;
  }

  // True at the first show after a load, which centres the window; later ones leave it be.
  bool FirstShowSinceLoad() { return !std::exchange(shownSinceLoad_, true); }

  // The user closed the window: its handlers unload it, or the host does while it has none.
  void Closed() {
    if (handlers_ != nullptr) {
      handlers_->Unload();
    } else {
      Unload();
    }
  }

  Handlers* handlers_ = nullptr;

 private:
  // A new window in its load state, reporting its events to this host.
  virtual std::unique_ptr<FrontWindow> Make() = 0;

  const char* name_;
  std::unique_ptr<FrontWindow> window_;
  bool shownSinceLoad_ = false;
  Retirement retirement_;
};

}  // namespace tavelin::core
