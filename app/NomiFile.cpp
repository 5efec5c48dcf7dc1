#include "NomiFile.h"

#include <QDir>
#include <functional>

namespace {

constexpr char16_t PrimoByte = 0xDC00; // U+DC80 to U+DCFF stand for the bytes 0x80 to 0xFF

// The byte a character stands for, or -1 when it is a character of the text.
int ByteSolo(const QString& nome, qsizetype i) {
    const char16_t c = nome[i].unicode();
    const bool coppia = i > 0 && QChar::isHighSurrogate(nome[i - 1].unicode());
    return c >= PrimoByte + 0x80 && c <= PrimoByte + 0xFF && !coppia ? c - PrimoByte : -1;
}

// Walks the name in runs of text and single bytes.
void PerTratti(const QString& nome, const std::function<void(QStringView)>& testo,
               const std::function<void(int)>& byte) {
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < nome.size(); ++i)
        if (const int b = ByteSolo(nome, i); b >= 0) {
            testo(QStringView(nome).sliced(inizio, i - inizio));
            byte(b);
            inizio = i + 1;
        }
    testo(QStringView(nome).sliced(inizio));
}

} // namespace

QString NomeDaByte(const QByteArray& byte) {
    static constexpr char32_t Minimo[] = {0, 0x80, 0x800, 0x10000}; // shorter forms are not UTF-8
    static constexpr uchar Maschera[] = {0x7F, 0x1F, 0x0F, 0x07};
    QString nome;
    nome.reserve(byte.size());
    for (qsizetype i = 0; i < byte.size();) {
        const auto c = uchar(byte[i]);
        const int seguono = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        char32_t punto = seguono >= 0 ? c & Maschera[seguono] : 0;
        bool valido = seguono >= 0 && i + seguono < byte.size();
        for (int k = 1; valido && k <= seguono; ++k) {
            const auto d = uchar(byte[i + k]);
            valido = (d >> 6) == 2;
            punto = punto << 6 | (d & 0x3F);
        }
        valido =
            valido && punto >= Minimo[seguono] && punto <= 0x10FFFF && (punto < 0xD800 || punto > 0xDFFF);
        if (!valido) {
            nome += QChar(char16_t(PrimoByte + c));
            ++i;
            continue;
        }
        nome += QString::fromUcs4(&punto, 1);
        i += seguono + 1;
    }
    return nome;
}

QByteArray ByteDaNome(const QString& nome) {
    QByteArray byte;
    PerTratti(
        nome, [&](QStringView testo) { byte += testo.toUtf8(); }, [&](int b) { byte += char(b); });
    return byte;
}

QString PercorsoMostrato(const QString& percorso) {
    QString mostrato;
    const auto codice = [&](const char* prima, uint numero, int cifre) {
        mostrato += QLatin1String(prima) + QString::number(numero, 16).toUpper().rightJustified(cifre, u'0');
    };
    PerTratti(
        QDir::toNativeSeparators(percorso),
        [&](QStringView testo) {
            for (const QChar c : testo)
                if (c == u'\n')
                    mostrato += QStringLiteral("\\n");
                else if (c == u'\t')
                    mostrato += QStringLiteral("\\t");
                else if (c.category() != QChar::Other_Control)
                    mostrato += c;
                else if (c.unicode() < 0x80)
                    codice("\\x", c.unicode(), 2);
                else // a C1 control: not \x, which stands for a byte that is not UTF-8
                    codice("\\u", c.unicode(), 4);
        },
        [&](int b) { codice("\\x", uint(b), 2); });
    return mostrato;
}
