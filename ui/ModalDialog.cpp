// Modal windows opened without a nested event loop.
#include "ui/ModalDialog.h"

#include <QDialog>

namespace kelvora::ui {

void OpenModal(QDialog* dialog, std::function<void()> closed) {
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  // As exec() had it: no other window of the game takes a click while it is open.
  dialog->setWindowModality(Qt::ApplicationModal);
  if (closed) QObject::connect(dialog, &QDialog::finished, dialog, [closed](int) { closed(); });
  dialog->show();
}

void OpenMessage(QWidget* parent, QMessageBox::Icon icon, const std::string& title,
                 const std::string& text, std::function<void()> closed) {
  OpenModal(new QMessageBox(icon, QString::fromStdString(title), QString::fromStdString(text),
                            QMessageBox::Ok, parent),
            std::move(closed));
}

}  // namespace kelvora::ui
