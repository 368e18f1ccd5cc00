#include "core/treeview/UKvel.h"

#include <algorithm>
#include <vector>

#include "core/common/UFtx.h"
#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeWindowDesign.h"

namespace tavelin::core {

namespace {

constexpr Color kOutline = Rgb(192, 192, 192);

// Drawing geometry of one folder, in pixels.
constexpr float kBoxWidth = 21;
constexpr float kBoxHeight = 14;
constexpr float kNameIndent = 4;
constexpr float kRowGap = 2;
constexpr float kChildIndent = 20;
constexpr float kConnectorX = 10.5;   // the middle of the box
constexpr float kConnectorEndX = 18;  // 2 pixels short of the child's box
constexpr float kRowMiddle = 7;
constexpr double kListRowHeight = 13.8;
constexpr int kListMaxRows = 5;
constexpr float kListMargin = 5;

// The display pass.
constexpr float kTreeLeft = 10;
constexpr float kBelowStrip = 4;
constexpr float kWindowMargin = 200;  // twips

// "Màxim " followed by the limit written with the blank that stands for its sign.
constexpr auto kFolderLimitMessage = u"Màxim  50 subcarpetes";
static_assert(UKvel::kMaxFolders == 50);

}  // namespace

UKvel::UKvel(TreeLayoutState& layout, const platform::FileSystem& fileSystem, MessageView& messages,
             FKvel& tree, FScroll& companion, const Screen& screen)
    : layout_(layout),
      fileSystem_(fileSystem),
      messages_(messages),
      tree_(tree),
      companion_(companion),
      screen_(screen) {}

void UKvel::WalkFolder(TreeCanvas& canvas, std::u16string path, float x, float y) {
  if (layout_.StopWalk) return;
  ++layout_.FolderCount;
  if (layout_.FolderCount > kMaxFolders) {
    messages_.ShowMessage(kFolderLimitMessage);
    layout_.StopWalk = kTrue;
    return;
  }
  const std::int16_t number = layout_.FolderCount;
  const char16_t separator = fileSystem_.Separator();
  const std::u16string name = UFtx::LastPathPart(path, separator);
  path += separator;

  // The whole folder is read before any sub-folder is walked.
  FileList& list = canvas.Lst(number);
  list.Clear();
  std::vector<std::u16string> subFolders;
  PackedNames files;
  // Names are packed as they are read: the listing itself is never held whole.
  fileSystem_.EnumerateFolder(path, [&](platform::FolderEntry&& entry) {
    if (entry.name == u"." || entry.name == u"..") return;
    if (entry.isDirectory) {
      subFolders.push_back(std::move(entry.name));
    } else {
      files.Add(entry.name);
    }
  });
  list.AddItems(std::move(files));

  DrawingSurface& surface = canvas.Surface();
  surface.Box(x, y, x + kBoxWidth, y + kBoxHeight, kOutline);
  surface.SetCurrentY(y);
  surface.SetCurrentX(x + kNameIndent);
  surface.Print(name);
  layout_.NextY = y + kBoxHeight + kRowGap;
  const float nameRight = surface.CurrentX();

  if (list.ListCount() >= 1) {
    layout_.FolderPaths[number] = path;
    list.SetVisible(true);
    list.SetTop(layout_.NextY);
    list.SetLeft(x + kChildIndent);
    list.SetHeight(static_cast<float>(std::min(list.ListCount(), kListMaxRows) * kListRowHeight));
    layout_.NextY = list.Height() + list.Top() + kRowGap;
    const float rightEdge = list.Left() + list.Width();
    if (layout_.MaxRight < rightEdge) layout_.MaxRight = rightEdge + kListMargin;
  }

  for (const auto& subFolder : subFolders) {
    // Each vertical connector starts at the box again and covers the one before it.
    surface.Line(x + kConnectorX, y + kBoxHeight, x + kConnectorX, layout_.NextY + kRowMiddle,
                 kOutline);
    surface.Line(surface.CurrentX(), surface.CurrentY(), x + kConnectorEndX, surface.CurrentY(),
                 kOutline);
    WalkFolder(canvas, path + subFolder, x + kChildIndent, layout_.NextY);
  }

  if (layout_.MaxRight < nameRight) layout_.MaxRight = nameRight;
}

void UKvel::ShowTree(const std::u16string& path) {
  tree_.Show();
  TreeWindowView& window = tree_.Window();
  window.Surface().Cls();
  for (int i = 0; i < kFileListCount; ++i)
    window.Lst(i).SetVisible(false);
  window.SetCaption(path);
  layout_.FrameExtraH = window.Height() - window.ScaleHeight() * kTwipsPerPixel;
  layout_.FrameExtraW = window.Width() - window.ScaleWidth() * kTwipsPerPixel;
  layout_.FolderCount = 0;
  layout_.StopWalk = kFalse;

  WalkFolder(window, path, kTreeLeft, window.PBtsHeight() + kBelowStrip);

  window.SetHeight(layout_.NextY * kTwipsPerPixel + layout_.FrameExtraH + kWindowMargin);
  const float rightExtent = layout_.MaxRight * kTwipsPerPixel + layout_.FrameExtraW;
  if (rightExtent > window.Width()) window.SetWidth(rightExtent + kWindowMargin);

  const float screenHeight = screen_.Height();
  const float height = window.Height();
  if (height < screenHeight) {
    window.SetTop((screenHeight - height) / 2);
    return;
  }
  // The companion reads the tree window's Top when it loads, so the window goes up first.
  window.SetTop(0);
  companion_.SetTop((screenHeight - companion_.Height()) / 2);
  companion_.SetVisible(true);
  window.SetFocus();
}

}  // namespace tavelin::core
