#pragma once

// The gestures of a user on the child windows, over a fresh simulation and scripted dialogs. A test
// bench derives from it and says where the child windows live (a bare area, or the main window).

#include "Collaudo.h"
#include "DialoghiFinti.h"
#include "FinestreFiglie.h"
#include "Simulazione.h"
#include "Sistemi.h"

enum { S1, S2, Stot, T1, T2, Ttot, Vm, A }; // the window order of the quantities

// What a form laid out by its layouts shows badly: a label, button, box, list or plot out of its parent
// or over another beside it.
inline QString ControlliSovrapposti(const QWidget& forma) {
    QStringList difetti;
    std::map<const QObject*, std::vector<QRect>> vicini; // the controls met so far, by parent
    for (const QWidget* w : forma.findChildren<QWidget*>())
        if (w->isVisible() && !w->geometry().isEmpty() && !w->parentWidget()->inherits("QAbstractItemView") &&
            (w->inherits("QLabel") || w->inherits("QAbstractButton") || w->inherits("QLineEdit") ||
             w->inherits("QAbstractItemView") || w->inherits("PianoSerie"))) {
            std::vector<QRect>& altri = vicini[w->parent()];
            if (!w->parentWidget()->rect().contains(w->geometry()) ||
                std::any_of(altri.begin(), altri.end(),
                            [w](const QRect& r) { return r.intersects(w->geometry()); }))
                difetti << w->objectName() + ' ' + w->accessibleName();
            altri.push_back(w->geometry());
        }
    return difetti.join(", ");
}

struct Utente {
    static constexpr const char* Nomi[8] = {"S1", "S2", "Stot", "T1", "T2", "Ttot", "Vm", "A"};
    Simulazione simulazione;
    QString IntestazioneUtente;
    DialoghiFinti dialoghi;

    virtual ~Utente() = default;
    virtual FinestreFiglie& Figlie() = 0;

    // A combination and a record, as typed.
    void Imposta(int16_t sistema, const Velantra& moto) {
        simulazione.ImpostaSistema(sistema);
        for (int i = 0; i < 8; ++i)
            simulazione.ImpostaValore(i, moto.*Grandezze[i].Membro);
    }
    QWidget* Finestra(const char* nome) { return Figlie().Finestra(QLatin1String(nome)); }
    template <typename T = QLineEdit> T* Controllo(const char* finestra, const char* nome, int i) {
        return Finestra(finestra)->findChild<T*>(QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(i));
    }
    QCheckBox* Casella(int i) { return Controllo<QCheckBox>("frmInserimentoDati", "Selezionato", i); }
    QLineEdit* Valore(int i) { return Controllo("frmInserimentoDati", "Risultati", i); }
    QWidget* Profilo() { return Finestra("frmInserimentoDati")->findChild<QWidget*>("picProfilo"); }
    void Spunta(int i) { QTest::mouseClick(Casella(i), Qt::LeftButton); }
    // Replaces the box's text as a user would: select all, then type.
    void Scrivi(int i, const QString& testo) {
        Valore(i)->setFocus();
        QTest::keyClick(Valore(i), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Valore(i), testo);
    }
    // Ticks and fills boxes in turn, each given as "Stot=2".
    void Inserisci(const QStringList& voci) {
        for (const QString& voce : voci) {
            const int i = int(std::find(Nomi, Nomi + 8, voce.section('=', 0, 0)) - Nomi);
            Spunta(i);
            Scrivi(i, voce.section('=', 1));
        }
    }
    void Chiudi(const char* finestra) {
        FinestreFiglie::SottoFinestra(Finestra(finestra))->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The ticked quantities with the texts of their boxes ("Stot=2 T2="); a "!" marks a box whose
    // visibility does not follow its tick.
    QString Spunte() {
        QStringList voci;
        for (int i = 0; Finestra("frmInserimentoDati") && i < 8; ++i) {
            if (Casella(i)->isChecked())
                voci << QStringLiteral("%1=%2").arg(Nomi[i], Valore(i)->text());
            if (Casella(i)->isChecked() != Valore(i)->isVisible())
                voci << QStringLiteral("!%1").arg(Nomi[i]);
        }
        return voci.join(' ');
    }
    QString Fuoco() { return qApp->focusWidget() ? qApp->focusWidget()->accessibleName() : ""; }
    // The eight values of the results window as shown.
    QStringList Risultati() {
        QStringList testi;
        for (int i = 0; i < 8; ++i)
            testi << Controllo("FrmRisultati", "Risultati", i)->text();
        return testi;
    }
    // The messages and questions shown, each with its explanation below it.
    QString Messaggi() const { return dialoghi.testi.join('\n'); }
};
