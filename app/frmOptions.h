#pragma once

// The options dialog: the header printed at the top of the text print-outs. "OK" keeps the typed
// header, "Annulla" (or Esc) leaves it as it was.

#include <QDialog>

class QLineEdit;
class QTabWidget;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(QString& IntestazioneUtente, QWidget* parent = nullptr);

public slots:
    // "OK": the typed header becomes the program's.
    void accept() override;

private:
    QString& IntestazioneUtente;
    QTabWidget* tbsOptions;
    QLineEdit* TIntestUtente;
};
