#pragma once
// The save-changes prompt: "Ja", "Speichern unter...", "Nein", "Abbrechen".
#include "shell/UserDialogs.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillora {

class TCloseForm : public QDialog {
    Q_OBJECT
public:
    explicit TCloseForm(QWidget* parent = nullptr);

    // Shows the prompt modally; its close box answers Closed.
    Answer Ask();

    QLabel* Label1 = nullptr;
    QPushButton* JaBitBtn = nullptr;
    QPushButton* SpeichernUnterBitBtn = nullptr;
    QPushButton* NeinBitBtn = nullptr;
    QPushButton* AbbrechenBitBtn = nullptr;

private:
    Answer answer_ = Answer::Closed;
};

}  // namespace quillora
