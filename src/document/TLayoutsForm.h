#pragma once
// The layout gallery: the shipped sample templates as preview pictures with names,
// three per row; a double-click on a picture picks that sample's working copy.
#include "shell/AppFolders.h"
#include "shell/UserDialogs.h"

#include <QDialog>
#include <QLabel>
#include <string>

class QPushButton;
class QScrollArea;
class QWheelEvent;

namespace quillora {

// A gallery picture: the file at its own size, clipped to the control.
class TLayoutPicture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class TLayoutsForm : public QDialog {
    Q_OBJECT
public:
    // Builds the gallery from the layouts folder once; later files appear at the next
    // creation.
    TLayoutsForm(const AppFolders& folders, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Native path of the picked sample's working copy; empty unless the last showing
    // ended with a pick.
    std::string PickedPath() const { return picked_; }

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QPushButton* AbortBitBtn = nullptr;

    // The picture's double-click, by the picture control's name ("IMAGE_3").
    void ImageDblClick(const QString& controlName);
    void AbortBitBtnClick();
    // One line per wheel step (120 units): down for a negative delta, up otherwise.
    void FormMouseWheel(int angleDelta);

protected:
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildGallery();

    AppFolders folders_;
    UserDialogs& dialogs_;
    std::string picked_;
    int wheelRest_ = 0;
};

}  // namespace quillora
