#pragma once

// The main window's status bar: a wide panel with "Stato", then the date and the time, which keep
// themselves current.

#include <QDateTime>
#include <QStatusBar>
#include <QTimer>

class QLabel;

class BarraStato : public QStatusBar {
    Q_OBJECT
public:
    explicit BarraStato(QWidget* parent = nullptr);

    // Shows this moment's date and time.
    void Aggiorna(const QDateTime& adesso);

private:
    void Scatta();

    QLabel* data;
    QLabel* ora;
    QTimer orologio;
};
