// The life of a window that is loaded on first use and unloaded when it closes, written once for
// both front ends. `View` is the window's view, `FrontWindow` the front end's window and
// `Handlers` the window's logic, which unloads it. A front end's host derives from this, makes
// and retires its windows, and answers the view's other calls with its toolkit's.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace tavelin::core {

template <typename View, typename FrontWindow, typename Handlers>
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
    if (window_ != nullptr) Retire(std::move(window_));
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
  // A new window in its load state, its events wired to the handlers.
  virtual std::unique_ptr<FrontWindow> Make() = 0;
  // Takes the window away for good; it may be closing from inside one of its own handlers.
  virtual void Retire(std::unique_ptr<FrontWindow> window) = 0;

  const char* name_;
  std::unique_ptr<FrontWindow> window_;
  bool shownSinceLoad_ = false;
};

}  // namespace tavelin::core
