#include "document/TLayoutsForm.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "shell/Catalogue.h"
#include "shell/QtLanguageDispatcher.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace quillora;
using quillora::test::ScriptedDialogs;
using quillora::test::TestFolders;

namespace {

struct Cell {
    QFrame* frame = nullptr;
    TLayoutPicture* picture = nullptr;
    QLabel* caption = nullptr;
};

Cell CellOf(TLayoutsForm& form, const QString& base) {
    return {form.findChild<QFrame*>("FRAME_" + base), form.findChild<TLayoutPicture*>("IMAGE_" + base),
            form.findChild<QLabel*>("LABEL_" + base)};
}

QStringList PictureNames(TLayoutsForm& form) {
    QStringList names;
    for (auto* p : form.findChildren<TLayoutPicture*>()) names << p->objectName();
    return names;
}

// A layouts folder of our own in an empty program folder.
struct Gallery {
    TestFolders world{false};
    ScriptedDialogs dialogs;
    std::string layouts = world.Folders().layouts;

    Gallery() { std::filesystem::create_directories(layouts); }

    void Picture(const std::string& fileName, QColor color = Qt::darkCyan) const {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(color);
        QVERIFY(image.save(QString::fromStdString(layouts + fileName), "JPG"));
    }
    void Ini(const std::string& fileName, const std::string& bytes) const {
        world.Write("prog/layouts/" + fileName, bytes);
    }
    std::unique_ptr<TLayoutsForm> Form() { return std::make_unique<TLayoutsForm>(world.Folders(), dialogs); }
};

void DoubleClick(QWidget* w) { QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20)); }

void Wheel(QWidget* target, int delta) {
    QWheelEvent e(QPointF(10, 10), target->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

}  // namespace

class TLayoutsFormUiTest : public QObject {
    Q_OBJECT

private slots:
    void shippedSamplesShowTheirPicturesAndNames() {
        TestFolders world;
        ScriptedDialogs dialogs;
        TLayoutsForm form(world.Folders(), dialogs);
        QCOMPARE(form.objectName(), QStringLiteral("LayoutsForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Vorlagen"));
        QCOMPARE(form.size(), QSize(908, 593));
        QCOMPARE(form.ScrollBox1->geometry(), QRect(16, 48, 873, 505));
        QCOMPARE(form.Label1->text(), QStringLiteral("Vorlagen"));
        QCOMPARE(form.Label2->text(), QStringLiteral("Klicken Sie doppelt auf die gewünschte Vorlage"));
        QCOMPARE(form.AbortBitBtn->text(), QStringLiteral("Vorlage auswählen"));

        const QStringList names = {"Bäckerei", "Sportverein", "Software", "Reisebüro", "Buchhandlung"};
        QCOMPARE(PictureNames(form).size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            const QString base = QString::number(i + 1);
            const Cell cell = CellOf(form, base);
            QVERIFY2(cell.picture && cell.caption, qPrintable(base));
            QCOMPARE(cell.caption->text(), names[i]);
            QCOMPARE(cell.picture->pixmap().size(), QSize(252, 167));
            QVERIFY(!cell.picture->pixmap().toImage().isNull());
            // every sample the gallery offers is shipped
            QVERIFY(FileExists(world.Folders().vorlagen + "Quillora_Vorlage-" + base.toStdString() + ".qrx"));
        }
        QVERIFY(dialogs.shown.empty());
        // every control the catalogue translates is there under its name
        const Catalogue* texts = FindCatalogue("TLayoutsForm");
        QVERIFY(texts);
        QCOMPARE(QtLanguageDispatcher::MissingControls(&form, *texts), QStringList());
    }

    void cellsFillRowsOfThreeInNameOrder() {
        Gallery g;
        // name order without regard to case; created out of order on purpose
        for (const char* name : {"g.jpg", "B.jpg", "d.jpg", "a.jpg", "f.jpg", "c.jpg", "E.jpg"}) g.Picture(name);
        g.Ini("a.ini", "[NAME]\r\nName=Erste\r\n");
        auto form = g.Form();
        const QStringList order = {"a", "B", "c", "d", "E", "f", "g"};
        QCOMPARE(PictureNames(*form).size(), order.size());
        for (int i = 0; i < order.size(); ++i) {
            const int c = i % 3;
            const int y = (i / 3) * 220;
            const Cell cell = CellOf(*form, order[i]);
            QVERIFY2(cell.frame && cell.picture && cell.caption, qPrintable(order[i]));
            QCOMPARE(cell.frame->geometry(), QRect(9 + 280 * c, y + 34, 262, 177));
            QCOMPARE(cell.picture->geometry(), QRect(14 + 280 * c, y + 39, 252, 167));
            QCOMPARE(cell.caption->x(), 10 + 280 * c);
            QCOMPARE(cell.caption->y(), y + 10);
            QCOMPARE(cell.caption->width(), 260);
            QCOMPARE(cell.picture->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(cell.frame->isVisibleTo(form.get()) && cell.picture->isVisibleTo(form.get()));
        }
        const QLabel* first = CellOf(*form, "a").caption;
        QCOMPARE(first->font().family(), QStringLiteral("Arial"));
        QCOMPARE(first->font().pointSize(), 16);
        QVERIFY(first->font().bold());
        QCOMPARE(first->palette().color(QPalette::WindowText), QColor(192, 192, 192));
        QVERIFY(first->alignment() & Qt::AlignHCenter);
        // the third row's lone cell can be scrolled to
        QCOMPARE(CellOf(*form, "g").frame->y(), 440 + 34);
        QCOMPARE(form->ScrollBox1->widget()->height(), 440 + 34 + 177);
    }

    void emptyFolderGivesAnEmptyGallery() {
        {
            TestFolders world(false);  // no layouts folder at all
            ScriptedDialogs dialogs;
            TLayoutsForm form(world.Folders(), dialogs);
            QVERIFY(PictureNames(form).isEmpty());
            QVERIFY(dialogs.shown.empty());
        }
        Gallery g;
        g.Ini("1.ini", "[NAME]\r\nName=Ohne Bild\r\n");
        g.world.Write("prog/layouts/2.png", "not a jpeg");
        auto form = g.Form();
        QVERIFY(PictureNames(*form).isEmpty());
        QVERIFY(form->findChildren<QFrame*>(QRegularExpression("^FRAME_")).isEmpty());
        QVERIFY(g.dialogs.shown.empty());
    }

    void doubleClickPicksOnlyPicturesWithANameFile() {
        struct Case {
            const char* base;
            const char* iniFile;  // nullptr: none
            std::string ini;
            QString caption;
            bool picked;
        };
        const std::vector<Case> cases = {
            {"1", "1.ini", "[NAME]\r\nName=Eins\r\n", "Eins", true},
            // read as the profile functions read: any case, trimmed, unquoted, cp1252
            {"2", "2.ini", "[name]\r\n  NAME = \" B\xE4" "ckerei \"  \r\n", "Bäckerei", true},
            {"3", nullptr, "", "", false},
            {"4", "4.INI", "[NAME]\r\nName=Gro\xDF\r\n", "Groß", true},  // from a Windows copy
            {"5", "5.ini", "[OTHER]\r\nName=Falsch\r\n", "", true},     // a name file without a name
        };
        for (const Case& k : cases) {
            Gallery g;
            g.Picture(std::string(k.base) + ".jpg");
            if (k.iniFile) g.Ini(k.iniFile, k.ini);
            auto form = g.Form();
            const Cell cell = CellOf(*form, k.base);
            QVERIFY2(cell.picture, k.base);
            QCOMPARE(cell.caption->text(), k.caption);
            DoubleClick(cell.picture);
            QCOMPARE(form->result() == QDialog::Accepted, k.picked);
            QCOMPARE(form->PickedPath(),
                     k.picked ? g.world.Folders().documents + "Templates/Quillora_Vorlage-" + k.base + ".qrx"
                              : std::string());
            QVERIFY(g.dialogs.shown.empty());
        }
    }

    void pickingSampleThreeNamesItsWorkingCopyEvenWhenMissing() {
        TestFolders world;
        ScriptedDialogs dialogs;
        TLayoutsForm form(world.Folders(), dialogs);
        const std::string expected = world.Folders().documents + "Templates/Quillora_Vorlage-3.qrx";
        QVERIFY(!FileExists(expected));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DoubleClick(CellOf(form, "3").picture);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QCOMPARE(form.PickedPath(), expected);

        // a later showing that ends without a pick reports none
        form.show();
        QVERIFY(form.PickedPath().empty());
        form.reject();
        QVERIFY(form.PickedPath().empty());

        // every "IMAGE_" goes, whatever its case
        form.ImageDblClick("iMaGe_IMAGE_3");
        QCOMPARE(form.PickedPath(), expected);
    }

    void buttonOnlyExplains() {
        TestFolders world;
        ScriptedDialogs dialogs;
        TLayoutsForm form(world.Folders(), dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.AbortBitBtn->click();
        QCOMPARE(dialogs.Count("information"), 1);
        QCOMPARE(dialogs.shown.at(0).text,
                 std::string("Klicken Sie doppelt auf das gew\xFCnschte Layout um es auszuw\xE4hlen!"));
        QVERIFY(form.isVisible());
        QVERIFY(form.PickedPath().empty());
    }

    void badNameStopsTheBuildingAndKeepsEarlierCells() {
        struct Case {
            std::vector<std::string> files;
            QStringList built;
            const char* named;  // the file the error names; nullptr: no error
        };
        const std::vector<Case> cases = {
            {{"1.jpg", "2.jpg", "b-c.jpg", "zz.jpg"}, {"IMAGE_1", "IMAGE_2"}, "b-c.jpg"},
            {{"1.jpg", "b c.jpg", "zz.jpg"}, {"IMAGE_1"}, "b c.jpg"},
            {{"1.jpg", "b.c.jpg", "zz.jpg"}, {"IMAGE_1"}, "b.c.jpg"},
            {{"1.jpg", "b\xC3\xA4.jpg", "zz.jpg"}, {"IMAGE_1"}, "b\xE4.jpg"},  // letters are ASCII letters
            {{"b-c.jpg", "zz.jpg"}, {}, "b-c.jpg"},
            {{"1.jpg", "b_C9.jpg", "zz.jpg"}, {"IMAGE_1", "IMAGE_b_C9", "IMAGE_zz"}, nullptr},
        };
        for (const Case& k : cases) {
            Gallery g;
            for (const std::string& f : k.files) g.Picture(f);
            auto form = g.Form();
            QStringList built = PictureNames(*form);
            built.sort();
            QCOMPARE(built, k.built);
            if (!k.named) {
                QVERIFY(g.dialogs.shown.empty());
                continue;
            }
            QCOMPARE(g.dialogs.Count("error"), 1);
            QVERIFY2(g.dialogs.shown.at(0).text.find(std::string("\"") + k.named + "\"") != std::string::npos,
                     g.dialogs.shown.at(0).text.c_str());
            // the cells before it are whole and still work
            if (!k.built.isEmpty()) {
                DoubleClick(form->findChild<TLayoutPicture*>(k.built.first()));
                QVERIFY(form->PickedPath().empty());  // no name files here
                QVERIFY(CellOf(*form, k.built.first().mid(6)).frame);
            }
        }
    }

    void wheelScrollsOneLinePerStep() {
        Gallery g;
        for (const char* name : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}) g.Picture(std::string(name) + ".jpg");
        auto form = g.Form();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QScrollBar* bar = form->ScrollBox1->verticalScrollBar();
        const int line = bar->singleStep();
        QVERIFY(bar->maximum() > 4 * line);
        // Pictures and labels pass the wheel on to the box or the window; these are
        // the places where it arrives.
        QWidget* box = form->ScrollBox1->viewport();

        Wheel(box, -120);  // towards the user: down
        QCOMPARE(bar->value(), line);
        Wheel(box, -240);  // two notches at once
        QCOMPARE(bar->value(), 3 * line);
        Wheel(form.get(), 120);  // over the window outside the box
        QCOMPARE(bar->value(), 2 * line);
        Wheel(bar, 120);
        QCOMPARE(bar->value(), line);
        Wheel(box, -60);  // half notches of a fine wheel add up
        QCOMPARE(bar->value(), line);
        Wheel(box, -60);
        QCOMPARE(bar->value(), 2 * line);
        Wheel(box, 0);  // gesture start/end of a touchpad
        QCOMPARE(bar->value(), 2 * line);
    }
};

QTEST_MAIN(TLayoutsFormUiTest)
#include "TLayoutsFormUiTest.moc"
