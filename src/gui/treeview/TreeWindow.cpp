#include "gui/treeview/TreeWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <chrono>

#include "gui/common/AppIcon.h"
#include "gui/common/ClassicFont.h"
#include "gui/common/PixelArt.h"
#include "gui/common/TextConversion.h"
#include "gui/common/WindowExposure.h"
#include "gui/treeview/PictureButton.h"

namespace tavelin::gui {

namespace {

namespace design = core::FKvelDesign;

// How long a pass waits for the window system to show a freshly loaded tree window: far more
// than a window manager at work needs, and no hang where none ever answers.
constexpr std::chrono::milliseconds kFrameWait(2000);

QFont PrintFont() {
  QFont font = ClassicFont(
      design::kNameFont, {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  // The names belong to the crisp drawing around them.
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace

TreeWindow::TreeWindow(core::TreeWindowEvents& events) : events_(events) {
  setWindowTitle(QStringLiteral("CARPETA"));
  setWindowIcon(TavelinIcon());
  const QColor background = palette().color(QPalette::Button);
  QPalette windowPalette = palette();
  windowPalette.setColor(QPalette::Window, background);
  setPalette(windowPalette);
  // The drawing covers the whole window, background included.
  setAttribute(Qt::WA_OpaquePaintEvent);
  const QSize loadSize = QSizeF(design::kLoadWidth, design::kLoadHeight).toSize();
  resize(loadSize);

  surface_ = std::make_unique<ImageSurface>(
      loadSize, background, [this](const QRect& area) { update(area); }, devicePixelRatioF());
  surface_->SetForeColor(design::kForeColor);
  surface_->SetFillColor(design::kFillColor);
  surface_->SetFont(PrintFont());

  CreateLists();
  CreateStrip();
  for (int i = 1; i < core::kFileListCount; ++i) {
    setTabOrder(&Lst(i - 1).Widget(), &Lst(i).Widget());
  }
  setTabOrder(&Lst(core::kFileListCount - 1).Widget(), buttons_.front());
  for (int i = 1; i < kButtonCount; ++i)
    setTabOrder(buttons_[i - 1], buttons_[i]);
}

void TreeWindow::Show(bool centre) {
  if (centre) {
    // The window is centred by its outer frame, which a window manager gives it only once it is
    // on the screen; every size and place read later is that frame's too.
    ShowAndWaitUntilExposed(*this, kFrameWait);
    const QRect area = screen()->geometry();
    const QSize frame = frameGeometry().size();
    move(area.x() + (area.width() - frame.width()) / 2,
         area.y() + (area.height() - frame.height()) / 2);
  }
  show();
  raise();
  activateWindow();
}

void TreeWindow::SetCaption(const std::u16string& caption) {
  // Qt reads "[*]" in a title as the modified-document mark; doubled it is shown as written.
  setWindowTitle(ToQString(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

TreeWindow::~TreeWindow() {
  // The lists' viewports are deleted later, with this window's children: they must not report
  // to a window that is half gone.
  for (auto& list : lists_)
    list->Widget().viewport()->removeEventFilter(this);
}

void TreeWindow::CreateStrip() {
  strip_ = new QFrame(this);
  strip_->setGeometry(QRectF(0, 0, design::kStripWidth, design::kStripHeight).toRect());
  strip_->setFrameShape(QFrame::NoFrame);
  QPalette stripPalette = strip_->palette();
  stripPalette.setColor(QPalette::Window, ToQColor(design::kStripColor));
  strip_->setPalette(stripPalette);
  strip_->setAutoFillBackground(true);

  for (int i = 0; i < kButtonCount; ++i) {
    auto* button = new PictureButton(strip_);
    button->setGeometry(QRectF(design::kButtons[i].left, design::kButtonTop, design::kButtonSize,
                               design::kButtonSize)
                            .toRect());
    const QPixmap picture(design::kButtonPictures[i].data());
    button->setIcon(PixelArtIcon(picture));
    button->setIconSize(picture.size());
    const QString tip = QString::fromUtf16(design::kButtons[i].toolTip);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    connect(button, &QToolButton::clicked, this,
            [this, i] { Tell([&] { events_.ButtonClicked(i); }); });
    buttons_[i] = button;
  }
}

void TreeWindow::CreateLists() {
  lists_.reserve(core::kFileListCount);
  for (int i = 0; i < core::kFileListCount; ++i) {
    lists_.push_back(
        std::make_unique<FileListBox>(this, i == 0 ? design::kFirstListLeft : design::kListLeft,
                                      design::kListTop, design::kListWidth, design::kListHeight));
    lists_.back()->Widget().viewport()->installEventFilter(this);
  }
}

int TreeWindow::ListOfViewport(const QObject* viewport) const {
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    if (lists_[i]->Widget().viewport() == viewport) return static_cast<int>(i);
  }
  return -1;
}

bool TreeWindow::eventFilter(QObject* watched, QEvent* event) {
  // Only the list's mouse events are heard; the list still handles them as usual.
  if (event->type() == QEvent::MouseButtonPress) {
    const int index = ListOfViewport(watched);
    if (index >= 0) Tell([&] { events_.ListPressed(index); });
  } else if (event->type() == QEvent::MouseButtonDblClick &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    const int index = ListOfViewport(watched);
    if (index >= 0) Tell([&] { events_.ListDoubleClicked(index); });
  }
  return QWidget::eventFilter(watched, event);
}

void TreeWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  if (!QRect(QPoint(0, 0), surface_->Size()).contains(area))
    painter.fillRect(area, palette().window());
  // Clipped rather than cut out of the image, so that no device pixel is resampled.
  painter.setClipRect(area);
  painter.drawImage(QPoint(0, 0), surface_->Image());
}

void TreeWindow::resizeEvent(QResizeEvent* event) {
  surface_->Reserve(size());
  QWidget::resizeEvent(event);
}

void TreeWindow::closeEvent(QCloseEvent* event) {
  Tell([this] { events_.Closing(); });
  event->accept();
}

}  // namespace tavelin::gui
