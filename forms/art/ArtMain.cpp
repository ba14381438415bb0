// Draws every picture of the program into a folder.
//
//   clavora_art <Pictures folder>
//   clavora_art --preview <Pictures folder> <output folder>
#include "forms/art/Pictures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication App(argc, argv);
    const QStringList Args = App.arguments();

    if (Args.size() == 4 && Args[1] == QStringLiteral("--preview"))
        return WritePreviews(Args[2], Args[3]) ? 0 : 1;
    if (Args.size() != 2) {
        std::fprintf(stderr, "usage: clavora_art <folder> | --preview <folder> <output folder>\n");
        return 2;
    }

    QElapsedTimer Clock;
    Clock.start();
    const QString Dir = Args[1];
    if (!QDir().mkpath(Dir)) {
        std::fprintf(stderr, "clavora_art: cannot create %s\n", qPrintable(Dir));
        return 1;
    }

    TPictureList Pictures;
    DrawDeskPictures(Pictures);
    DrawBookPictures(Pictures);
    DrawTabPictures(Pictures);
    DrawConsolePictures(Pictures);
    DrawCoverPictures(Pictures);
    DrawEventPictures(Pictures);
    DrawFingerPictures(Pictures);
    DrawArrowPictures(Pictures);
    DrawGamePictures(Pictures);
    DrawChapterPictures(Pictures);
    DrawRevisionPictures(Pictures);
    DrawWelcomePictures(Pictures);

    for (const TPicture& Pic : Pictures) {
        const QString Path = Dir + QStringLiteral("/") + Pic.Name;
        if (!Art::SavePng(Pic.Image, Path)) {
            std::fprintf(stderr, "clavora_art: cannot write %s\n", qPrintable(Path));
            return 1;
        }
    }
    std::printf("clavora_art: %zu pictures in %lld ms\n", Pictures.size(),
                static_cast<long long>(Clock.elapsed()));
    return 0;
}
