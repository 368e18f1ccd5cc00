#include "gui/folderchoice/ChooserWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "core/folderchoice/ChooserDesign.h"
#include "gui/common/AppIcon.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/ClassicFont.h"
#include "gui/common/Failures.h"
#include "gui/common/Twips.h"
#include "gui/folderchoice/DirListWidget.h"
#include "gui/folderchoice/SortedComboBox.h"

namespace tavelin::gui {

namespace {

namespace design = core::FPrvSDDesign;

QString Text(const char16_t* text) {
  return QString::fromUtf16(text);
}

void Place(QWidget& widget, const design::Placement& p) {
  widget.setGeometry(TwipsToPixels(p.left), TwipsToPixels(p.top), TwipsToPixels(p.width),
                     TwipsToPixels(p.height));
}

void SetColor(QWidget& widget, QPalette::ColorRole role, core::Color color) {
  QPalette palette = widget.palette();
  palette.setColor(role, QColor(core::RedOf(color), core::GreenOf(color), core::BlueOf(color)));
  widget.setPalette(palette);
}

}  // namespace

ChooserWindow::ChooserWindow(const platform::FileSystem& fileSystem,
                             const std::u16string& startFolder, QWidget* parent)
    : QMainWindow(parent) {
  setWindowTitle(Text(design::kCaption));
  setWindowIcon(TavelinIcon());
  info_ = menuBar()->addAction(Text(design::kInfoMenu));
  info_->setObjectName(QStringLiteral("OpInfo"));

  auto* client = new QWidget(this);
  client->setFont(ClassicFont(design::kWindowFont));
  setCentralWidget(client);

  // Created in tab order, so the directory list takes the focus when the window opens.
  dirs_ = new DirListWidget(fileSystem, client);
  dirs_->setObjectName(QStringLiteral("LDirs"));
  Place(*dirs_, design::kLDirs);
  SetColor(*dirs_, QPalette::Base, design::kLDirsColor);

  ok_ = new QPushButton(Text(design::kBtOkText), client);
  ok_->setObjectName(QStringLiteral("BtOk"));
  Place(*ok_, design::kBtOk);
  ok_->setFont(ClassicFont(design::kOkFont));
  // Enter anywhere in the window must not press it.
  ok_->setAutoDefault(false);
  ok_->setDefault(false);

  auto* prompt = new QLabel(Text(design::kLabel1Text), client);
  prompt->setObjectName(QStringLiteral("Label1"));
  Place(*prompt, design::kLabel1);
  prompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  SetColor(*prompt, QPalette::WindowText, design::kLabel1Color);
  // The labels name the lists for assistive technology; a list view takes no name from a buddy.
  prompt->setBuddy(dirs_);
  dirs_->setAccessibleName(prompt->text());

  recents_ = new SortedComboBox(client);
  recents_->setObjectName(QStringLiteral("LstR"));
  Place(*recents_, design::kLstR);
  SetColor(*recents_, QPalette::Base, design::kLstRColor);

  auto* recentsLabel = new QLabel(Text(design::kLabel2Text), client);
  recentsLabel->setObjectName(QStringLiteral("Label2"));
  Place(*recentsLabel, design::kLabel2);
  SetColor(*recentsLabel, QPalette::WindowText, design::kLabel2Color);
  recentsLabel->setBuddy(recents_);

  // The menu bar takes its height above the client area, not out of it.
  const int side = TwipsToPixels(design::kClientSide);
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
  connect(dirs_, &DirListWidget::keyDown, this, [&form](std::int16_t keyCode) {
    Guarded([&] {
      BusyCursor busy;
      form.LDirs_KeyDown(keyCode);
    });
  });
  connect(dirs_, &DirListWidget::changed, this, [&form] { Guarded([&] { form.LDirs_Change(); }); });
  connect(recents_, &QComboBox::activated, this, [&form] { Guarded([&] { form.LstR_Click(); }); });
  connect(recents_, &SortedComboBox::keyDown, this,
          [&form](std::int16_t keyCode) { Guarded([&] { form.LstR_KeyDown(keyCode); }); });
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
