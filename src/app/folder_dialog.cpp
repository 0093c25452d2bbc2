#include "app/folder_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QStringList>

#include <vector>

namespace zelvor {
namespace {

// Puts the prompt on a row of its own above everything else of the dialog's
// grid. The toolkit's own dialog has no prompt line.
void AddPrompt(QFileDialog& dialog, const QString& prompt) {
  auto* label = new QLabel(prompt, &dialog);
  label->setObjectName(QStringLiteral("PromptText"));
  label->setWordWrap(true);
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  if (grid == nullptr) {
    // Not the expected layout: the prompt still shows, as the window's tip.
    dialog.setToolTip(prompt);
    label->hide();
    return;
  }
  struct Placed {
    QLayoutItem* item;
    int row, column, rowSpan, columnSpan;
  };
  std::vector<Placed> placed;
  for (int i = 0; i < grid->count(); ++i) {
    Placed p{grid->itemAt(i), 0, 0, 1, 1};
    grid->getItemPosition(i, &p.row, &p.column, &p.rowSpan, &p.columnSpan);
    placed.push_back(p);
  }
  while (grid->count() > 0) grid->takeAt(0);
  grid->addWidget(label, 0, 0, 1, -1);
  for (const Placed& p : placed) grid->addItem(p.item, p.row + 1, p.column, p.rowSpan, p.columnSpan);
}

}  // namespace

std::unique_ptr<QFileDialog> MakeFolderDialog(QWidget* parent, const std::string& startFolder) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  // The toolkit's own dialog, the same on every desktop, with room for the prompt.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setOption(QFileDialog::ShowDirsOnly);
  dialog->setFileMode(QFileDialog::Directory);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setLabelText(QFileDialog::Accept, QString::fromUtf8(kChooserButton));
  dialog->setWindowTitle(QString::fromUtf8(kChooserTitle));
  AddPrompt(*dialog, QString::fromUtf8(kChooserPrompt));
  dialog->setDirectory(QFile::decodeName(QByteArray::fromStdString(startFolder)));
  dialog->setWindowModality(Qt::ApplicationModal);
  return dialog;
}

std::optional<std::string> ChooseFolderWithDialog(QWidget* parent, const std::string& startFolder) {
  const std::unique_ptr<QFileDialog> dialog = MakeFolderDialog(parent, startFolder);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog->selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return QFile::encodeName(chosen.front()).toStdString();
}

}  // namespace zelvor
