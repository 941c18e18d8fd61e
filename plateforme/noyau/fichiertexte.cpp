#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>

namespace plateforme {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five
// unassigned bytes, read back as the C1 control of the same value.
constexpr std::array<char16_t, 32> kCp1252Haut = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> octetCp1252(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    if (u < 0xA0)
        return kCp1252Haut[u - 0x80] == 0 ? std::optional<char>(static_cast<char>(u))
                                          : std::nullopt;
    for (std::size_t i = 0; i < kCp1252Haut.size(); ++i)
        if (kCp1252Haut[i] == u)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

bool estBlanc(QChar c) {
    return c == u' ' || c == u'\t';
}

QString ligneDeValeur(const QString& valeur) {
    if (!valeur.contains(u',') && !valeur.contains(u'"'))
        return valeur;
    QString double_ = valeur;
    double_.replace(u"\""_qs, u"\"\""_qs);
    return u'"' + double_ + u'"';
}

QByteArray octetsDesLignes(const QStringList& lignes) {
    QByteArray octets;
    for (const QString& ligne : lignes) {
        octets += versCp1252(ligneDeValeur(ligne));
        octets += "\r\n";
    }
    return octets;
}

QString lireTexte(const QString& chemin) {
    QFile f(cheminReel(chemin));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return depuisCp1252(f.readAll());
}

// Splits a file's text into lines, accepting CR LF, lone LF and a last line
// without an end.
QStringList decouperLignes(const QString& texte) {
    QStringList lignes = texte.split(u'\n');
    if (!lignes.isEmpty() && lignes.last().isEmpty())
        lignes.removeLast();
    for (QString& l : lignes)
        if (l.endsWith(u'\r'))
            l.chop(1);
    return lignes;
}

// Reads one quoted value starting at `pos` (on the opening quote); leaves
// `pos` after the closing quote. Doubled quotes stand for one.
QString lireGuillemets(const QString& t, qsizetype& pos, qsizetype fin) {
    QString valeur;
    ++pos;
    while (pos < fin) {
        if (t[pos] == u'"') {
            if (pos + 1 < fin && t[pos + 1] == u'"') {
                valeur += u'"';
                pos += 2;
                continue;
            }
            ++pos;
            return valeur;
        }
        valeur += t[pos++];
    }
    return valeur;
}

} // namespace

QString cheminReel(const QString& chemin) {
    const QFileInfo info(chemin);
    if (info.exists() || info.isSymLink())
        return chemin;
    const QString nom = info.fileName();
    if (nom.isEmpty() || nom == u"."_qs || nom == u".."_qs)
        return chemin;
    // The folder part as written, its own name looked up the same way; a
    // relative path stays relative.
    QString dossier = chemin.left(chemin.size() - nom.size());
    QString sansSeparateur = dossier;
    while (sansSeparateur.endsWith(u'/'))
        sansSeparateur.chop(1);
    if (!sansSeparateur.isEmpty())
        dossier = cheminReel(sansSeparateur) + u'/';
    const QStringList entrees =
        QDir(dossier.isEmpty() ? u"."_qs : dossier)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entrees)
        if (e.compare(nom, Qt::CaseInsensitive) == 0)
            return dossier + e;
    return dossier + nom;
}

QByteArray versCp1252(const QString& texte) {
    QByteArray octets;
    octets.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        // A character beyond the basic plane is one character, one '?'.
        if (texte[i].isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate())
            ++i;
        octets += octetCp1252(texte[i].unicode()).value_or('?');
    }
    return octets;
}

QString depuisCp1252(const QByteArray& octets) {
    QString texte;
    texte.reserve(octets.size());
    for (char o : octets) {
        const auto b = static_cast<unsigned char>(o);
        if (b >= 0x80 && b < 0xA0 && kCp1252Haut[b - 0x80] != 0)
            texte += QChar(kCp1252Haut[b - 0x80]);
        else
            texte += QChar(b);
    }
    return texte;
}

bool representableCp1252(QChar c) {
    return octetCp1252(c.unicode()).has_value();
}

bool reecrire(const QString& chemin, const QStringList& lignes) {
    QSaveFile f(cheminReel(chemin));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // commit() alone can report success after a short write or a failed
    // buffered one, and put a cut file in the old one's place.
    const QByteArray octets = octetsDesLignes(lignes);
    if (f.write(octets) != octets.size() || !f.flush() || f.error() != QFileDevice::NoError) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool prolonger(const QString& chemin, const QStringList& lignes) {
    const QString reel = cheminReel(chemin);
    const bool existait = QFileInfo::exists(reel);
    // Unbuffered, so that nothing left in a buffer can land after the file is
    // cut back.
    QFile f(reel);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const qint64 taille = f.size();
    const QByteArray octets = octetsDesLignes(lignes);
    if (f.write(octets) == octets.size())
        return true;
    // A half-written line would be read as a value of its own.
    if (existait)
        f.resize(taille);
    else
        f.remove();
    return false;
}

bool vider(const QString& chemin) {
    return reecrire(chemin, {});
}

QStringList lireLignes(const QString& chemin) {
    QStringList lignes = decouperLignes(lireTexte(chemin));
    for (QString& l : lignes) {
        if (l.size() >= 2 && l.startsWith(u'"') && l.endsWith(u'"')) {
            qsizetype pos = 0;
            const QString valeur = lireGuillemets(l, pos, l.size());
            if (pos == l.size())
                l = valeur;
        }
    }
    return lignes;
}

LecteurValeurs::LecteurValeurs(const QString& chemin) : texte_(lireTexte(chemin)) {
    // One line end, whatever the file used, so the scanner sees only '\n'.
    texte_.replace(u"\r\n"_qs, u"\n"_qs);
}

std::optional<QString> LecteurValeurs::suivante() {
    const QString& t = texte_;
    if (pos_ >= t.size())
        return std::nullopt;
    // A line's end is looked for once, and a comma only up to it, so that
    // reading a file stays linear in its length even without commas.
    if (finLigne_ < pos_) {
        finLigne_ = t.indexOf(u'\n', pos_);
        if (finLigne_ < 0)
            finLigne_ = t.size();
    }
    const qsizetype finLigne = finLigne_;
    while (pos_ < finLigne && estBlanc(t[pos_]))
        ++pos_;
    const bool entreGuillemets = pos_ < finLigne && t[pos_] == u'"';
    QString valeur;
    if (entreGuillemets)
        valeur = lireGuillemets(t, pos_, finLigne);
    qsizetype fin = QStringView(t).first(finLigne).indexOf(u',', pos_);
    if (fin < 0)
        fin = finLigne;
    // After the closing quote, anything up to the comma is left out.
    if (!entreGuillemets)
        valeur = t.mid(pos_, fin - pos_);
    pos_ = fin < finLigne ? fin + 1 : finLigne;
    // A value that closes its line moves the reader to the next line; a
    // comma at the very end of a line announces nothing more on it.
    if (pos_ >= finLigne)
        pos_ = finLigne + 1;
    return valeur;
}

std::optional<long long> LecteurValeurs::suivanteNombre() {
    const auto valeur = suivante();
    if (!valeur)
        return std::nullopt;
    const QString t = valeur->trimmed();
    qsizetype n = 0;
    if (n < t.size() && (t[n] == u'-' || t[n] == u'+'))
        ++n;
    while (n < t.size() && t[n].isDigit() && t[n].unicode() < 128)
        ++n;
    bool ok = false;
    const long long nombre = t.left(n).toLongLong(&ok);
    return ok ? nombre : 0;
}

QStringList lireValeurs(const QString& chemin) {
    LecteurValeurs lecteur(chemin);
    QStringList valeurs;
    while (auto v = lecteur.suivante())
        valeurs << *v;
    return valeurs;
}

QString premiereValeur(const QString& chemin) {
    return LecteurValeurs(chemin).suivante().value_or(QString());
}

long long premierNombre(const QString& chemin) {
    return LecteurValeurs(chemin).suivanteNombre().value_or(0);
}

} // namespace plateforme
