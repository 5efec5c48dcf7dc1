#include "Avvio.h"

#include "ComandiDocumento.h"
#include "Risorse.h"
#include "frmSplash.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>

namespace {
void CaricaTraduzione(QTranslator& traduzione) {
    if (traduzione.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduzione);
}

// Ends a wait when the watched window is hidden (closed).
class FineAllaChiusura : public QObject {
public:
    FineAllaChiusura(QWidget& finestra, QEventLoop& ciclo) : finestra(finestra), ciclo(ciclo) {
        finestra.installEventFilter(this);
    }
    ~FineAllaChiusura() override { finestra.removeEventFilter(this); }
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (oggetto == &finestra && evento->type() == QEvent::Hide)
            ciclo.quit();
        return false;
    }

private:
    QWidget& finestra;
    QEventLoop& ciclo;
};

// Runs pending events for one step of the wait, ending early when Enter is pressed on the splash or
// the main window is closed.
void Attendi(const frmSplash& splash, QWidget& principale, std::chrono::milliseconds passo) {
    QEventLoop ciclo;
    QTimer::singleShot(passo, &ciclo, &QEventLoop::quit);
    QObject::connect(&splash, &frmSplash::Saltato, &ciclo, &QEventLoop::quit);
    const FineAllaChiusura chiusura(principale, ciclo);
    ciclo.exec();
}
} // namespace

bool Main(Avvio& avvio, AttesaSplash attesa) {
    avvio.simulazione.Svuota();
    avvio.SaltaSplash = false;
    CaricaTraduzione(avvio.TraduzioneQt);
    QApplication::setWindowIcon(Icona(QStringLiteral("velantra")));
    // The id of the desktop entry, the metadata and the icon: lets the desktop match the window to them.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.velantra.Velantra"));

    avvio.FinestraPrincipale = std::make_unique<frmMain>(avvio.simulazione, avvio.IntestazioneUtente);
    avvio.FinestraPrincipale->show();

    frmSplash splash(avvio.SaltaSplash);
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        splash.move(schermo->availableGeometry().center() - splash.rect().center());
    splash.show();
    splash.activateWindow();
    splash.repaint();
    frmMain& principale = *avvio.FinestraPrincipale;
    // A main window closed meanwhile ends the wait at once: the program has nothing left to show.
    for (int i = 1; i <= attesa.Passi && principale.isVisible(); ++i) {
        QCoreApplication::processEvents();
        splash.ImpostaAvanzamento(static_cast<float>(i) / 1.5f);
        if (!avvio.SaltaSplash && principale.isVisible())
            Attendi(splash, principale, attesa.Passo);
        if (avvio.SaltaSplash)
            break;
    }
    splash.close();
    if (!avvio.FinestraPrincipale->isVisible())
        return false;
    if (!avvio.Documento.isEmpty())
        avvio.FinestraPrincipale->Documento().Carica(avvio.Documento);
    return true;
}
