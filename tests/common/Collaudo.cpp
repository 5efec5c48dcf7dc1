#include "Collaudo.h"

#include <algorithm>
#include <span>
#include <vector>

namespace {
std::vector<std::function<std::unique_ptr<QObject>()>>& Voci() {
    static std::vector<std::function<std::unique_ptr<QObject>()>> voci;
    return voci;
}
// The pixels of a picture in the 32-bit format, row after row.
std::span<QRgb> Pixel(QImage& immagine) {
    return {reinterpret_cast<QRgb*>(immagine.bits()), size_t(immagine.sizeInBytes() / 4)};
}
} // namespace

QString ConfrontaImmagine(const QImage& immagine, const QString& nome, double scala) {
    const QString percorso = QStringLiteral(VELANTRA_RIFERIMENTI "/%1.png").arg(nome);
    // A reference keeps few colours, to stay small; the comparison allows for their rounding.
    QImage ottenuta = immagine.convertToFormat(QImage::Format_RGB32)
                          .scaled(immagine.size() * scala, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (qgetenv("VELANTRA_RIFERIMENTI") == "scrivi") {
        QImage ridotta = ottenuta;
        const auto livello = [](int c) { return (c * 15 + 127) / 255 * 17; }; // 0, 17, ... 255
        for (QRgb& p : Pixel(ridotta))
            p = qRgb(livello(qRed(p)), livello(qGreen(p)), livello(qBlue(p)));
        ridotta.convertToFormat(QImage::Format_Indexed8).save(percorso);
        return {};
    }
    QImage attesa = QImage(percorso).convertToFormat(QImage::Format_RGB32);
    int diversi = attesa.size() == ottenuta.size() ? 0 : -1;
    const std::span<QRgb> a = Pixel(attesa), o = Pixel(ottenuta);
    for (size_t i = 0; diversi >= 0 && i < a.size(); ++i)
        diversi += std::max({std::abs(qRed(a[i]) - qRed(o[i])), std::abs(qGreen(a[i]) - qGreen(o[i])),
                             std::abs(qBlue(a[i]) - qBlue(o[i]))}) > 12;
    if (diversi == 0)
        return {};
    ottenuta.save(nome + QStringLiteral(".ottenuta.png"));
    return nome + (diversi < 0 ? QStringLiteral(": misura diversa")
                               : QStringLiteral(": %1 pixel diversi").arg(diversi));
}

void collaudo::Registra(std::function<std::unique_ptr<QObject>()> crea) {
    Voci().push_back(std::move(crea));
}

QProcessEnvironment AmbienteSigillato() {
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const QString& variabile : ambiente.keys())
        if (variabile.startsWith(QLatin1String("QT_")))
            ambiente.remove(variabile);
    for (const char* variabile :
         {"DISPLAY", "WAYLAND_DISPLAY", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT", "FREETYPE_PROPERTIES"})
        ambiente.remove(QLatin1String(variabile));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.insert(QStringLiteral("QT_STYLE_OVERRIDE"), QStringLiteral("Fusion"));
    ambiente.insert(QStringLiteral("FONTCONFIG_FILE"), QStringLiteral(VELANTRA_FONTCONFIG));
    return ambiente;
}

int main(int argc, char** argv) {
    // Widgets need a platform; ctest sets offscreen, a direct run gets it too. The fonts are always
    // the private configuration's, run by ctest or not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", VELANTRA_FONTCONFIG);
    qputenv("SOURCE_DATE_EPOCH", "1700000000"); // the reports' date, 14 November 2023
    QApplication applicazione(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // A configuration that is not in effect would fail every picture for no fault of the program.
    for (const auto& [chiesto, atteso] :
         {std::pair{"Courier", "DejaVu Sans Mono"}, {"DejaVu Sans", "DejaVu Sans"}})
        if (QFontInfo(QFont(QLatin1String(chiesto))).family() != QLatin1String(atteso)) {
            qCritical("font \"%s\" is not %s: the tests' font configuration %s is not in effect", chiesto,
                      atteso, VELANTRA_FONTCONFIG);
            return 1;
        }
    QStandardPaths::setTestModeEnabled(true);
    // Test mode alone would share one settings file between every test program: each gets its own.
    const QTemporaryDir impostazioni;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impostazioni.path());
    applicazione.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // A crash ends the run at once with its signal: Qt's handler would try to attach a debugger,
    // which hangs where that is not allowed.
    QStringList argomenti = QCoreApplication::arguments();
    argomenti.insert(1, QStringLiteral("-nocrashhandler"));
    // "-classe NAME" runs that class alone, so that its functions can be named after it.
    QString classe;
    if (const qsizetype i = argomenti.indexOf(QStringLiteral("-classe")); i > 0 && i + 1 < argomenti.size()) {
        classe = argomenti[i + 1];
        argomenti.remove(i, 2);
    }
    int falliti = 0;
    for (const auto& crea : Voci()) {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const std::unique_ptr<QObject> collaudo = crea();
        if (!classe.isEmpty() && classe != QLatin1String(collaudo->metaObject()->className()))
            continue;
        if (QTest::qExec(collaudo.get(), argomenti) != 0)
            ++falliti;
    }
    return falliti;
}
