#pragma once

// Lets one test executable hold several QtTest classes: each file registers its class with
// REGISTRA_COLLAUDO(Classe), and the shared main runs them all (command-line arguments such as -o apply
// to every class). Every test and bench header starts from it, with Qt's test and widget modules whole.

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <memory>

namespace collaudo {
void Registra(std::function<std::unique_ptr<QObject>()> crea);
}

// Compares a picture, at `scala` of its size, with its stored reference tests/riferimenti/<nome>.png:
// the same size, every pixel within the rounding of the reference's 16 levels a channel. Empty when
// they match, else what differs (the picture obtained is left in the working folder as
// <nome>.ottenuta.png). With VELANTRA_RIFERIMENTI=scrivi in the environment the picture becomes the
// new reference instead.
QString ConfrontaImmagine(const QImage& immagine, const QString& nome, double scala = 1);

// Fails the test where a picture differs from its reference, saying how.
#define CONFRONTA_IMMAGINE(...)                                                                              \
    do {                                                                                                     \
        const QString diverso = ConfrontaImmagine(__VA_ARGS__);                                              \
        QVERIFY2(diverso.isEmpty(), qPrintable(diverso));                                                    \
    } while (false)

// The environment for a program a test starts: the caller's without any Qt variable, offscreen, with the
// tests' own fonts and the Fusion style.
QProcessEnvironment AmbienteSigillato();

#define REGISTRA_COLLAUDO(Classe)                                                                            \
    static const bool registrato_##Classe = [] {                                                             \
        collaudo::Registra([] { return std::unique_ptr<QObject>(new Classe); });                             \
        return true;                                                                                         \
    }()
