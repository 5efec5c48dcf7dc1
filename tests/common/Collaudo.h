#pragma once

// Lets one test executable hold several QtTest classes: each file registers its class with
// REGISTRA_COLLAUDO(Classe), and the shared main runs them all (command-line arguments such as a test
// function name or -o apply to every class).

#include <QObject>
#include <functional>
#include <memory>

namespace collaudo {
void Registra(const char* nome, std::function<std::unique_ptr<QObject>()> crea);
}

#define REGISTRA_COLLAUDO(Classe)                                                                            \
    static const bool registrato_##Classe = [] {                                                             \
        collaudo::Registra(#Classe, [] { return std::unique_ptr<QObject>(new Classe); });                   \
        return true;                                                                                         \
    }()
