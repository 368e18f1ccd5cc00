// Views that record what the core does to them, and the tree view's core wired to them.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/TreeWindowDesign.h"
#include "core/treeview/UKvel.h"
#include "core/views/ChooserView.h"
#include "core/views/DrawingSurface.h"
#include "core/views/ListControl.h"
#include "core/views/MessageView.h"
#include "core/views/Screen.h"
#include "core/views/ScrollCompanionView.h"
#include "core/views/TreeWindowView.h"
#include "fakes/FakeFileSystem.h"
#include "platform/Platform.h"

namespace tavelin::fakes {

struct DrawCall {
  enum Kind { kLine, kBox, kPrint, kCls } kind;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  core::Color color = 0;
  std::u16string text = {};
};

// Text advances by a fixed width per character, so name ends are predictable.
class FakeSurface : public core::DrawingSurface {
 public:
  static constexpr float kCharWidth = 6;
  std::vector<DrawCall> calls;

  float CurrentX() const override { return x_; }
  void SetCurrentX(float x) override { x_ = x; }
  float CurrentY() const override { return y_; }
  void SetCurrentY(float y) override { y_ = y; }
  void Line(float x1, float y1, float x2, float y2, core::Color c) override {
    Shape(DrawCall::kLine, x1, y1, x2, y2, c);
  }
  void Box(float x1, float y1, float x2, float y2, core::Color c) override {
    Shape(DrawCall::kBox, x1, y1, x2, y2, c);
  }
  void Print(const std::u16string& text) override {
    calls.push_back({DrawCall::kPrint, x_, y_, 0, 0, 0, text});
    x_ += kCharWidth * static_cast<float>(text.size());
  }
  void Cls() override {
    calls.push_back({DrawCall::kCls});
    x_ = y_ = 0;
  }
  std::vector<DrawCall> Of(DrawCall::Kind kind) const {
    std::vector<DrawCall> found = calls;
    std::erase_if(found, [=](const DrawCall& c) { return c.kind != kind; });
    return found;
  }

 private:
  void Shape(DrawCall::Kind kind, float x1, float y1, float x2, float y2, core::Color color) {
    calls.push_back({kind, x1, y1, x2, y2, color, {}});
    x_ = x2;
    y_ = y2;
  }
  float x_ = 0, y_ = 0;
};

// Letter case ignored, as the front ends sort.
inline bool LessIgnoringCase(const std::u16string& a, const std::u16string& b) {
  const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  return std::ranges::lexicographical_compare(a, b, {}, lower, lower);
}

// A list's items, in LessIgnoringCase order when `sorted`; removing the selected one unselects.
template <class Control>
class FakeItems : public Control {
 public:
  std::vector<std::u16string> items;
  int index = -1;
  bool sorted = false;
  int singleAdds = 0;  // AddItem calls

  int ListCount() const override { return static_cast<int>(items.size()); }
  std::u16string List(int i) const override {
    return i >= 0 && i < ListCount() ? items[static_cast<std::size_t>(i)] : std::u16string();
  }
  void AddItem(const std::u16string& item) override {
    ++singleAdds;
    Insert(item);
  }
  void RemoveItem(int i) override {
    items.erase(items.begin() + i);
    if (index == i) index = -1;
  }
  void Clear() override {
    items.clear();
    index = -1;
  }
  int ListIndex() const override { return index; }
  void SetListIndex(int i) override { index = i; }

 protected:
  void Insert(const std::u16string& item) {
    items.insert(sorted ? std::ranges::upper_bound(items, item, LessIgnoringCase) : items.end(),
                 item);
  }
};

class FakeList : public FakeItems<core::FileList> {
 public:
  bool visible = false;
  float left = core::FKvelDesign::kListLeft, top = core::FKvelDesign::kListTop,
        width = core::FKvelDesign::kListWidth, height = core::FKvelDesign::kListHeight;
  std::vector<std::size_t> batches;  // the size of every AddItems call, in order

  void AddItems(core::PackedNames&& added) override {
    batches.push_back(added.Count());
    for (std::size_t i = 0; i < added.Count(); ++i)
      Insert(std::u16string(added.At(i)));
  }
  bool Visible() const override { return visible; }
  void SetVisible(bool v) override { visible = v; }
  float Left() const override { return left; }
  void SetLeft(float v) override { left = v; }
  float Top() const override { return top; }
  void SetTop(float v) override { top = v; }
  float Width() const override { return width; }
  float Height() const override { return height; }
  void SetHeight(float v) override { height = v; }
};

// The tree window: the design's drawing area inside a frame of kFrameW by kFrameH twips.
class FakeTreeWindow : public core::TreeWindowView {
 public:
  static constexpr float kFrameW = 120, kFrameH = 450;
  static constexpr float kLoadWidth =
      core::FKvelDesign::kLoadWidth * core::kTwipsPerPixel + kFrameW;
  static constexpr float kLoadHeight =
      core::FKvelDesign::kLoadHeight * core::kTwipsPerPixel + kFrameH;

  bool loaded = false;
  int loads = 0, shows = 0, focuses = 0;
  std::u16string caption;
  float left = 3000, top = 1000, pbtsHeight = core::FKvelDesign::kStripHeight;
  float width = kLoadWidth, height = kLoadHeight;
  FakeSurface surface;
  std::array<FakeList, core::kFileListCount> lists;

  bool Loaded() const override { return loaded; }
  void Load() override {
    loaded = true;
    ++loads;
    caption = u"CARPETA";
    width = kLoadWidth;
    height = kLoadHeight;
    surface = FakeSurface();
    lists.fill(FakeList());
    lists[0].left = core::FKvelDesign::kFirstListLeft;
  }
  void Unload() override { loaded = false; }
  void Show() override { ++shows; }
  void SetFocus() override { ++focuses; }
  void SetCaption(const std::u16string& c) override { caption = c; }
  float Left() const override { return left; }
  float Top() const override { return top; }
  void SetTop(float v) override { top = v; }
  float Width() const override { return width; }
  void SetWidth(float v) override { width = v; }
  float Height() const override { return height; }
  void SetHeight(float v) override { height = v; }
  float ScaleWidth() const override { return (width - kFrameW) / core::kTwipsPerPixel; }
  float ScaleHeight() const override { return (height - kFrameH) / core::kTwipsPerPixel; }
  float PBtsHeight() const override { return pbtsHeight; }
  core::DrawingSurface& Surface() override { return surface; }
  core::FileList& Lst(int index) override { return List(index); }
  FakeList& List(int index) { return lists.at(static_cast<std::size_t>(index)); }
};

class FakeScrollCompanion : public core::ScrollCompanionView {
 public:
  bool loaded = false, visible = false;
  int loads = 0;
  float left = 0, top = 0, height = core::FScrollDesign::kClientHeight * core::kTwipsPerPixel;
  std::int16_t max = 32767, min = 0, value = 0;

  bool Loaded() const override { return loaded; }
  void Load() override {
    loaded = true;
    visible = false;
    value = 0;
    ++loads;
  }
  void Unload() override { loaded = visible = false; }
  void SetVisible(bool v) override { visible = v; }
  float Left() const override { return left; }
  void SetLeft(float v) override { left = v; }
  float Top() const override { return top; }
  void SetTop(float v) override { top = v; }
  float Height() const override { return height; }
  std::int16_t Max() const override { return max; }
  void SetMax(std::int16_t v) override { max = v; }
  std::int16_t Min() const override { return min; }
  void SetMin(std::int16_t v) override { min = v; }
  std::int16_t Value() const override { return value; }
};

class FakeMessages : public core::MessageView {
 public:
  std::vector<std::u16string> shown;
  void ShowMessage(const std::u16string& text) override { shown.push_back(text); }
};

class FakeScreen : public core::Screen {
 public:
  float height = 11520;
  float Height() const override { return height; }
};

// A start request as one comparable, printable value, so that a table of them is checked whole.
using Request = std::tuple<std::u16string, platform::ProgramKind, std::u16string, std::u16string,
                           platform::WindowState>;

// Programs named in `failing` cannot be started; every request is recorded all the same.
class FakeLauncher : public platform::Launcher {
 public:
  std::vector<platform::StartRequest> started;
  std::vector<std::u16string> failing;
  std::vector<Request> Requests() const {
    std::vector<Request> all;
    for (const platform::StartRequest& r : started)
      all.emplace_back(r.commandLine, r.kind, r.program, r.argument, r.windowState);
    return all;
  }
  void Start(const platform::StartRequest& request) override {
    started.push_back(request);
    if (std::ranges::count(failing, request.program)) throw platform::StartError("cannot start", 2);
  }
};

// Opens the folders that the file system says are folders; onChange stands for the change
// event and runs inside SetPath.
class FakeDirectoryList : public core::DirectoryList {
 public:
  explicit FakeDirectoryList(const platform::FileSystem& fileSystem) : fileSystem_(fileSystem) {}
  std::u16string path;
  int focuses = 0;
  std::function<void()> onChange;

  std::u16string Path() const override { return path; }
  bool SetPath(const std::u16string& newPath) override {
    if (!fileSystem_.IsFolder(newPath)) return false;
    if (newPath == path) return true;
    path = newPath;
    if (onChange) onChange();
    return true;
  }
  void SetFocus() override { ++focuses; }

 private:
  const platform::FileSystem& fileSystem_;
};

class FakeComboBox : public FakeItems<core::ComboBox> {
 public:
  FakeComboBox() { sorted = true; }
  std::u16string text;
  // The user picks item `i`: it becomes the selection and fills the edit field.
  void Pick(int i) {
    index = i;
    text = List(i);
  }
  std::u16string Text() const override { return text; }
};

class FakeChooser : public core::ChooserView {
 public:
  explicit FakeChooser(const platform::FileSystem& fileSystem) : dirs(fileSystem) {}
  FakeDirectoryList dirs;
  FakeComboBox recents;
  core::DirectoryList& LDirs() override { return dirs; }
  core::ComboBox& LstR() override { return recents; }
};

// The tree view's core on recording views, walking the file system it is given.
struct RecordingTreeView {
  explicit RecordingTreeView(const platform::FileSystem& fileSystem)
      : ukvel(layout, fileSystem, messages, fkvel, fscroll, screen) {}
  FakeTreeWindow window;
  FakeScrollCompanion companion;
  FakeMessages messages;
  FakeScreen screen;
  FakeLauncher launcher;
  core::TreeLayoutState layout;
  core::FScroll fscroll{companion, window, screen};
  core::FKvel fkvel{window, fscroll, layout, launcher, messages};
  core::UKvel ukvel;
  std::vector<std::u16string> FolderNames() const {
    std::vector<std::u16string> names;
    for (const DrawCall& call : window.surface.Of(DrawCall::kPrint))
      names.push_back(call.text);
    return names;
  }
};

// The file system exists before the views that walk it.
struct FakeFileSystemHolder {
  FakeFileSystem fs;
};

// ... on an in-memory file system.
struct FakeTreeView : FakeFileSystemHolder, RecordingTreeView {
  FakeTreeView() : RecordingTreeView(fs) {}
};

}  // namespace tavelin::fakes
