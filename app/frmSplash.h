#pragma once

// The window shown while the program starts. Enter sets SaltaSplash, which ends the start-up wait;
// the start routine closes the window.

#include <QWidget>

class QProgressBar;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(bool& SaltaSplash, QWidget* parent = nullptr);

    // Progress from 0 to 10.
    void ImpostaAvanzamento(float valore);

signals:
    void Saltato();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    bool& SaltaSplash;
    QProgressBar* barraAvanzamento;
};
