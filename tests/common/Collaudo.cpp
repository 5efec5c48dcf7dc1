#include "Collaudo.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {
struct Voce {
    const char* nome;
    std::function<std::unique_ptr<QObject>()> crea;
};
std::vector<Voce>& Voci() {
    static std::vector<Voce> voci;
    return voci;
}
} // namespace

void collaudo::Registra(const char* nome, std::function<std::unique_ptr<QObject>()> crea) {
    Voci().push_back({nome, std::move(crea)});
}

int main(int argc, char** argv) {
    // Widgets need a platform; ctest sets offscreen, a direct run gets it too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    // Test mode alone would share one settings file between every test program: each gets its own.
    const QTemporaryDir impostazioni;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impostazioni.path());
    applicazione.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // Test functions named on the command line (as "funzione" or "funzione:riga"): only the classes
    // that have them run, so that one function can be run on its own.
    QStringList funzioni;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') {
            i += std::strcmp(argv[i], "-o") == 0 || std::strcmp(argv[i], "-maxwarnings") == 0;
            continue;
        }
        funzioni << QString::fromLocal8Bit(argv[i]).section(QLatin1Char(':'), 0, 0);
    }
    // A crash ends the run at once with its signal: Qt's handler would try to attach a debugger,
    // which hangs where that is not allowed.
    QStringList argomenti = QCoreApplication::arguments();
    argomenti.insert(1, QStringLiteral("-nocrashhandler"));
    int falliti = 0;
    for (const Voce& voce : Voci()) {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        std::unique_ptr<QObject> oggetto = voce.crea();
        const QMetaObject* meta = oggetto->metaObject();
        if (std::any_of(funzioni.begin(), funzioni.end(), [meta](const QString& f) {
                return meta->indexOfMethod(qPrintable(f + QStringLiteral("()"))) < 0;
            }))
            continue;
        if (QTest::qExec(oggetto.get(), argomenti) != 0)
            ++falliti;
    }
    return falliti;
}
