#include "gui/folderchoice/ChooserWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "gui/common/AppIcon.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/ClassicFont.h"
#include "gui/common/Failures.h"
#include "gui/common/Twips.h"
#include "gui/folderchoice/DirListWidget.h"
#include "gui/folderchoice/SortedComboBox.h"

namespace tavelin::gui {

namespace {

// Twips within the area under the menu bar.
struct Placement {
  float left, top, width, height;
};
constexpr float kClientSide = 4530;
constexpr Placement kLabel2{240, 40, 855, 255};
constexpr Placement kLstR{120, 240, 4335, 315};
constexpr Placement kLDirs{360, 600, 3855, 3240};
constexpr Placement kLabel1{120, 3840, 4170, 195};
constexpr Placement kBtOk{1920, 4080, 735, 375};

const QString kFontFamily = QStringLiteral("MS Sans Serif");
constexpr int kOkPixelSize = 13;  // 9.75 pt at 96 dpi

void Place(QWidget& widget, const Placement& p) {
  widget.setGeometry(TwipsToPixels(p.left), TwipsToPixels(p.top), TwipsToPixels(p.width),
                     TwipsToPixels(p.height));
}

void SetColor(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
  QPalette palette = widget.palette();
  palette.setColor(role, color);
  widget.setPalette(palette);
}

}  // namespace

ChooserWindow::ChooserWindow(const platform::FileSystem& fileSystem,
                             const std::u16string& startFolder, QWidget* parent)
    : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Visió total carpeta"));
  setWindowIcon(TavelinIcon());
  info_ = menuBar()->addAction(QStringLiteral("Info"));
  info_->setObjectName(QStringLiteral("OpInfo"));

  auto* client = new QWidget(this);
  client->setFont(ClassicFont({kFontFamily}, QFont::Normal));
  setCentralWidget(client);

  // Created in tab order, so the directory list takes the focus when the window opens.
  dirs_ = new DirListWidget(fileSystem, client);
  dirs_->setObjectName(QStringLiteral("LDirs"));
  Place(*dirs_, kLDirs);
  SetColor(*dirs_, QPalette::Base, QColor(192, 255, 192));

  ok_ = new QPushButton(QStringLiteral("ok"), client);
  ok_->setObjectName(QStringLiteral("BtOk"));
  Place(*ok_, kBtOk);
  QFont okFont = ClassicFont({kFontFamily}, QFont::Normal);
  okFont.setPixelSize(kOkPixelSize);
  ok_->setFont(okFont);
  // Enter anywhere in the window must not press it.
  ok_->setAutoDefault(false);
  ok_->setDefault(false);

  auto* prompt =
      new QLabel(QStringLiteral("Tria la carpeta de la qual vols obtenir l'arbre"), client);
  prompt->setObjectName(QStringLiteral("Label1"));
  Place(*prompt, kLabel1);
  prompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  SetColor(*prompt, QPalette::WindowText, QColor(128, 0, 0));
  // The labels name the lists for assistive technology; a list view takes no name from a buddy.
  prompt->setBuddy(dirs_);
  dirs_->setAccessibleName(prompt->text());

  recents_ = new SortedComboBox(client);
  recents_->setObjectName(QStringLiteral("LstR"));
  Place(*recents_, kLstR);
  SetColor(*recents_, QPalette::Base, QColor(255, 255, 192));

  auto* recentsLabel = new QLabel(QStringLiteral("Recents:"), client);
  recentsLabel->setObjectName(QStringLiteral("Label2"));
  Place(*recentsLabel, kLabel2);
  SetColor(*recentsLabel, QPalette::WindowText, QColor(0, 0, 128));
  recentsLabel->setBuddy(recents_);

  // The menu bar takes its height above the client area, not out of it.
  const int side = TwipsToPixels(kClientSide);
  resize(side, side + menuBar()->sizeHint().height());

  static_cast<void>(dirs_->SetPath(startFolder));
}

void ChooserWindow::Attach(core::FPrvSD& form) {
  form_ = &form;
  connect(ok_, &QPushButton::clicked, this, [&form] {
    Guarded([&] {
      BusyCursor busy;
      form.BtOk_Click();
    });
  });
  connect(dirs_, &DirListWidget::keyDown, this, [&form](std::int16_t keyCode, std::int16_t shift) {
    Guarded([&] {
      BusyCursor busy;
      form.LDirs_KeyDown(keyCode, shift);
    });
  });
  connect(dirs_, &DirListWidget::changed, this, [&form] { Guarded([&] { form.LDirs_Change(); }); });
  connect(recents_, &QComboBox::activated, this, [&form] { Guarded([&] { form.LstR_Click(); }); });
  connect(recents_, &SortedComboBox::keyDown, this,
          [&form](std::int16_t keyCode, std::int16_t shift) {
            Guarded([&] { form.LstR_KeyDown(keyCode, shift); });
          });
  connect(info_, &QAction::triggered, this, [&form] { Guarded([&] { form.OpInfo_Click(); }); });
  form.Form_Load();
}

core::DirectoryList& ChooserWindow::LDirs() {
  return *dirs_;
}

core::ComboBox& ChooserWindow::LstR() {
  return *recents_;
}

void ChooserWindow::closeEvent(QCloseEvent* event) {
  if (form_ != nullptr) Guarded([this] { form_->Form_Unload(); });
  event->accept();
}

}  // namespace tavelin::gui
