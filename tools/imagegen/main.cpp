// quillora_imagegen <data-dir>: draws the shipped pictures into Images/ and recom/.

#include "paint.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Fonts need a QGuiApplication, but no display is ever wanted.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: quillora_imagegen <data-dir>\n");
        return 2;
    }
    const QDir dataDir(QString::fromLocal8Bit(argv[1]));

    std::vector<imagegen::Picture> all;
    for (auto&& group : {imagegen::mastheadPictures(), imagegen::articlePictures(),
                         imagegen::brandingPictures()})
        all.insert(all.end(), group.begin(), group.end());

    int failures = 0;
    for (const auto& pic : all) {
        const QString path = dataDir.filePath(pic.path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            std::fprintf(stderr, "quillora_imagegen: cannot create folder for %s\n",
                         qPrintable(path));
            ++failures;
            continue;
        }
        const QImage img = pic.draw();
        if (!imagegen::saveJpeg(img, path))
            ++failures;
        else
            std::printf("%-40s %4d x %-4d\n", qPrintable(pic.path), img.width(), img.height());
    }
    return failures == 0 ? 0 : 1;
}
