#include "TestiNumerici.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// Significant digits (trailing zeros removed) and decimal exponent of a value rounded to `cifre`
// significant digits: 1234.5 with 15 digits gives "12345" and 3.
struct Cifre {
    bool negativo = false;
    std::string cifre;
    int esponente = 0;
};

// With `cifre` 0: the fewest digits that read back as the same value.
template <typename T> Cifre Scomponi(T valore, int cifre) {
    std::array<char, 64> buf{};
    const auto r =
        cifre > 0 ? std::to_chars(buf.data(), buf.data() + buf.size(), valore, std::chars_format::scientific,
                                  cifre - 1)
                  : std::to_chars(buf.data(), buf.data() + buf.size(), valore, std::chars_format::scientific);
    const std::string_view testo(buf.data(), static_cast<size_t>(r.ptr - buf.data()));
    Cifre c;
    size_t i = 0;
    if (testo[i] == '-') {
        c.negativo = true;
        ++i;
    }
    const size_t e = testo.find('e');
    for (; i < e; ++i)
        if (testo[i] != '.')
            c.cifre += testo[i];
    c.esponente = std::atoi(std::string(testo.substr(e + 1)).c_str());
    while (c.cifre.size() > 1 && c.cifre.back() == '0')
        c.cifre.pop_back();
    return c;
}

std::string Componi(const Cifre& c, char separatore, int limiteFisso, bool zeroIniziale) {
    std::string s = c.negativo ? "-" : "";
    const int n = static_cast<int>(c.cifre.size());
    if (c.esponente >= -4 && c.esponente < limiteFisso) {
        if (c.esponente < 0) {
            if (zeroIniziale)
                s += '0';
            s += separatore;
            s.append(static_cast<size_t>(-c.esponente - 1), '0');
            s += c.cifre;
        } else if (c.esponente + 1 >= n) {
            s += c.cifre;
            s.append(static_cast<size_t>(c.esponente + 1 - n), '0');
        } else {
            s += c.cifre.substr(0, static_cast<size_t>(c.esponente + 1));
            s += separatore;
            s += c.cifre.substr(static_cast<size_t>(c.esponente + 1));
        }
        return s;
    }
    s += c.cifre[0];
    if (n > 1) {
        s += separatore;
        s += c.cifre.substr(1);
    }
    s += 'E';
    s += c.esponente < 0 ? '-' : '+';
    const std::string esp = std::to_string(std::abs(c.esponente));
    if (esp.size() < 2)
        s += '0';
    s += esp;
    return s;
}

// The 15 significant digits of a double. Next to the largest double, rounding up would give a number
// beyond the double range, which no reader takes back: there the digits are cut instead.
Cifre QuindiciCifre(double valore) {
    Cifre c = Scomponi(valore, 15);
    if (c.esponente < 308)
        return c;
    const std::string testo = c.cifre.substr(0, 1) + "." + c.cifre.substr(1) + "e308";
    double riletto = 0;
    if (std::from_chars(testo.data(), testo.data() + testo.size(), riletto).ec == std::errc())
        return c;
    Cifre diciassette = Scomponi(valore, 17);
    diciassette.cifre.resize(std::min<size_t>(diciassette.cifre.size(), 15));
    while (diciassette.cifre.size() > 1 && diciassette.cifre.back() == '0')
        diciassette.cifre.pop_back();
    return diciassette;
}

// The value of significant digits d1 d2 ... with d1 at the power of ten `esponente`.
double Valore(const Cifre& c) {
    const std::string testo =
        (c.negativo ? "-" : "") + c.cifre + "e" + std::to_string(c.esponente + 1 - int(c.cifre.size()));
    double valore = 0;
    const auto r = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (r.ec == std::errc::result_out_of_range)
        return c.negativo ? -HUGE_VAL : HUGE_VAL;
    return valore;
}

// The digits one unit of the last of `cifre` places further from zero (piu) or nearer to it.
Cifre Passo(Cifre c, int cifre, bool piu) {
    c.cifre.resize(static_cast<size_t>(cifre), '0');
    long long mantissa = std::stoll(c.cifre);
    const long long minimo = static_cast<long long>(std::pow(10, cifre - 1));
    mantissa += piu ? 1 : -1;
    if (mantissa == 10 * minimo)
        mantissa = minimo, ++c.esponente;
    else if (mantissa < minimo)
        mantissa = 10 * minimo - 1, --c.esponente;
    c.cifre = std::to_string(mantissa);
    while (c.cifre.size() > 1 && c.cifre.back() == '0')
        c.cifre.pop_back();
    return c;
}

std::string TestoNonFinito(double valore) {
    if (std::isnan(valore))
        return TestoNonDefinito;
    return valore > 0 ? TestoInfinito : TestoMenoInfinito;
}

std::string_view SenzaSpazi(std::string_view t) {
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    return t;
}

// Checks the shape [sign] (digits [sep [digits]] | sep digits) [(E|e) [sign] digits] and returns it
// rewritten with a period, ready for from_chars (which takes no leading '+').
std::optional<std::string> Normalizza(std::string_view t, char separatore) {
    t = SenzaSpazi(t);
    std::string s;
    size_t i = 0;
    auto cifra = [&](size_t k) { return k < t.size() && t[k] >= '0' && t[k] <= '9'; };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-')
            s += '-';
        ++i;
    }
    for (; cifra(i); ++i)
        s += t[i];
    if (i < t.size() && t[i] == separatore) {
        s += '.';
        for (++i; cifra(i); ++i)
            s += t[i];
    }
    if (s.find_first_of("0123456789") == std::string::npos) // no digit before or after the separator
        return std::nullopt;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        s += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            s += t[i++];
        if (!cifra(i))
            return std::nullopt;
        for (; cifra(i); ++i)
            s += t[i];
    }
    if (i != t.size())
        return std::nullopt;
    return s;
}

// Values beyond the double range (either way) are refused rather than guessed as 0 or infinity.
std::optional<double> Converti(const std::string& s) {
    double valore = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), valore);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size())
        return std::nullopt;
    return valore;
}

} // namespace

double ArrotondaPari(double valore, int decimali) {
    if (!std::isfinite(valore))
        return valore;
    // to_chars rounds the exact binary value half to even; 309 integer digits + sign + 15 decimals.
    std::array<char, 400> buf{};
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), valore, std::chars_format::fixed, decimali);
    double risultato = 0;
    std::from_chars(buf.data(), r.ptr, risultato);
    return risultato;
}

std::string TestoNumero(double valore, char separatore) {
    if (!std::isfinite(valore))
        return TestoNonFinito(valore);
    if (valore == 0)
        return "0";
    return Componi(QuindiciCifre(valore), separatore, 15, true);
}

std::string TestoCifre(double valore, int cifre, char separatore, Arrotondamento verso) {
    if (!std::isfinite(valore))
        return TestoNonFinito(valore);
    if (valore == 0)
        return "0";
    cifre = std::clamp(cifre, 1, 15);
    Cifre c = Scomponi(valore, cifre);
    const double letto = Valore(c);
    // The nearest text is at most half a unit away: one unit in the asked direction crosses the value.
    const bool troppoAlto = letto > valore, troppoBasso = letto < valore;
    const bool lontano = std::abs(letto) > std::abs(valore);
    if ((verso == Arrotondamento::PerDifetto && troppoAlto) ||
        (verso == Arrotondamento::PerEccesso && troppoBasso))
        c = Passo(c, cifre, c.negativo == (verso == Arrotondamento::PerDifetto));
    else if (verso == Arrotondamento::VersoZero && lontano)
        c = Passo(c, cifre, false);
    return Componi(c, separatore, 15, true);
}

std::string TestoEsatto(double valore, char separatore) {
    if (!std::isfinite(valore))
        return TestoNonFinito(valore);
    if (valore == 0)
        return "0";
    return Componi(Scomponi(valore, 0), separatore, 15, true);
}

double InDouble(long double valore, Arrotondamento verso) {
    double d = static_cast<double>(valore);
    const long double indietro = d;
    if (std::isnan(valore) || indietro == valore || verso == Arrotondamento::Vicino)
        return d;
    if (verso == Arrotondamento::PerDifetto && indietro > valore)
        d = std::nextafter(d, -HUGE_VAL);
    else if (verso == Arrotondamento::PerEccesso && indietro < valore)
        d = std::nextafter(d, HUGE_VAL);
    else if (verso == Arrotondamento::VersoZero && std::abs(indietro) > std::abs(valore))
        d = std::nextafter(d, 0.0);
    return d;
}

std::string TestoNumeroSingolo(float valore, char separatore) {
    if (!std::isfinite(valore))
        return TestoNonFinito(valore);
    if (valore == 0)
        return "0";
    return Componi(Scomponi(valore, 7), separatore, 7, true);
}

std::optional<std::string> TestoLista(double valore) {
    if (!std::isfinite(valore))
        return std::nullopt;
    if (valore == 0)
        return std::string("0");
    return Componi(QuindiciCifre(valore), '.', 15, false);
}

std::optional<double> LeggiNumeroLista(std::string_view testo) {
    const auto s = Normalizza(testo, '.');
    if (!s)
        return std::nullopt;
    return Converti(*s);
}

bool FuoriIntervalloLista(std::string_view testo) {
    const auto s = Normalizza(testo, '.');
    double valore = 0;
    return s &&
           std::from_chars(s->data(), s->data() + s->size(), valore).ec == std::errc::result_out_of_range;
}

std::optional<double> LeggiNumero(std::string_view testo, char separatore) {
    const auto s = Normalizza(testo, separatore);
    if (!s)
        return std::nullopt;
    return Converti(*s);
}

std::string Citazione(std::string_view valore) {
    std::string s;
    for (char c : valore.substr(0, 20))
        s += (c >= 32 && c < 127) ? c : '?';
    return "«" + s + (valore.size() > 20 ? "...»" : "»");
}
