#include "shell/TCloseForm.h"

#include "shell/QtLanguageDispatcher.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace quillora {

TCloseForm::TCloseForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CloseForm"));
    setWindowTitle(QStringLiteral("Quillora pro"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(40, 40));
    Label1 = new QLabel(QStringLiteral("Wollen Sie die Änderungen in dieser Vorlage speichern?"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    row->addWidget(icon);
    row->addWidget(Label1, 1);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    auto make = [&](QPushButton*& b, const char* name, const QString& caption, Answer a) {
        b = new QPushButton(caption);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, a] {
            answer_ = a;
            accept();
        });
    };
    make(JaBitBtn, "JaBitBtn", QStringLiteral("Ja"), Answer::Yes);
    make(SpeichernUnterBitBtn, "SpeichernUnterBitBtn", QStringLiteral("Speichern unter..."), Answer::SaveAs);
    make(NeinBitBtn, "NeinBitBtn", QStringLiteral("Nein"), Answer::No);
    make(AbbrechenBitBtn, "AbbrechenBitBtn", QStringLiteral("Abbrechen"), Answer::Cancel);
    JaBitBtn->setDefault(true);
    layout->addLayout(buttons);
    QtLanguageDispatcher::Shared().Register(this, QStringLiteral("TCloseForm"));
}

Answer TCloseForm::Ask() {
    answer_ = Answer::Closed;
    exec();
    return answer_;
}

}  // namespace quillora
