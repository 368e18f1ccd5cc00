// The least a Qt Widgets program can be that shows what the folder chooser shows: a window with a
// combo box and a list.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* combo = new QComboBox(&window);
  combo->setEditable(true);
  combo->addItem(QStringLiteral("/home"));
  layout->addWidget(combo);
  auto* list = new QListWidget(&window);
  list->addItems({QStringLiteral(".."), QStringLiteral("carpeta")});
  layout->addWidget(list);
  window.show();
  return QApplication::exec();
}
