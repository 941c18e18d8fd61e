#include "calendrier/pages/peintre.h"

#include "calendrier/fichiers/fichierstravail.h"
#include "calendrier/ressources/ressources.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace pages {

namespace dessin {

QRect entete(int colonne) {
    return QRect(QPoint(kGauchesEntetes[colonne], kHautEntetes), kTailleEntete);
}

QRect jour(int cellule) {
    return QRect(QPoint(kGauchesEntetes[cellule % kJoursSemaine] + kDecalageJour,
                        kHautsRangees[cellule / kJoursSemaine]),
                 kTailleJour);
}

QRect prenom(int cellule) {
    return QRect(jour(cellule).topLeft() + kDecalagePrenom, kTaillePrenom);
}

QRect ligne(int index) {
    return QRect(QPoint(kGauchesLignes[index % 2], kHautsLignes[index / 2]), kTailleLigne);
}

} // namespace dessin

namespace {

const std::array<QString, kJoursSemaine> kNomsEntetes = {
    u"Lundi"_qs,    u"Mardi"_qs,  u"Mercredi"_qs, u"Jeudi"_qs,
    u"Vendredi"_qs, u"Samedi"_qs, u"Dimanche"_qs};

// Pens in twips at the design's size: 15 twips are a pixel of the design screen.
constexpr double kRayonHalo = 20;
constexpr double kDiagonaleHalo = kRayonHalo * 0.7071;
constexpr std::array<QPointF, 8> kAutour = {QPointF(-kRayonHalo, 0),
                                            QPointF(kRayonHalo, 0),
                                            QPointF(0, -kRayonHalo),
                                            QPointF(0, kRayonHalo),
                                            QPointF(-kDiagonaleHalo, -kDiagonaleHalo),
                                            QPointF(kDiagonaleHalo, kDiagonaleHalo),
                                            QPointF(-kDiagonaleHalo, kDiagonaleHalo),
                                            QPointF(kDiagonaleHalo, -kDiagonaleHalo)};
constexpr double kLargeurCadre = 22;
constexpr double kRayonCadre = 45;

QColor couleurDeNombre(long long v) {
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

// The halo's tone: dark around light text, light around dark text (blue
// among them), judged by the text's luminance as the eye sees it, so that a
// text reads on light and dark pictures alike. Opaque: a PDF then strokes
// the outline itself, where a translucent pen is written out as its whole
// outline, ten times the bytes.
QColor halo(const QColor& texte) {
    const double luminance =
        0.2126 * texte.redF() + 0.7152 * texte.greenF() + 0.0722 * texte.blueF();
    return luminance > 0.4 ? QColor(0x22, 0x22, 0x22) : QColor(0xff, 0xff, 0xff);
}

QFont police(double points, bool italique) {
    QFont f(u"Arial"_qs);
    // In twips, the painter's unit: a size exact to a twentieth of a point.
    f.setPixelSize(std::max(1, qRound(points * 20)));
    f.setBold(true);
    f.setItalic(italique);
    // The same advances on screen, on an image and in a PDF.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The ornaments, made once: a PDF embeds a picture drawn on many pages once.
const QImage& coin(ressources::Coin c) {
    static const std::array<QImage, 2> images = {ressources::ornement(ressources::Coin::BasGauche),
                                                 ressources::ornement(ressources::Coin::BasDroite)};
    return images[c == ressources::Coin::BasGauche ? 0 : 1];
}

// Where the text's baseline starts for it to sit in `boite`: centred, or
// from the box's left edge; upright centre either way.
QPointF origine(const QFontMetricsF& m, const QString& texte, const QRectF& boite, bool centre) {
    const double x = centre ? boite.center().x() - m.horizontalAdvance(texte) / 2 : boite.left();
    return QPointF(x, boite.center().y() + (m.ascent() - m.descent()) / 2);
}

// A text over the picture: outlined with its halo, then written. Where
// pixels are drawn, the halo is the text drawn around its place, from the
// glyph cache; elsewhere (a PDF) it is the text's outline stroked once, a
// path, so that the text itself is there once and can be searched.
void inscrire(QPainter& p, const QFont& f, const QRectF& boite, const Inscription& i,
              bool centre = true) {
    if (!i.visible || i.texte.isEmpty())
        return;
    const QPointF o = origine(QFontMetricsF(f, p.device()), i.texte, boite, centre);
    p.setFont(f);
    if (p.paintEngine()->type() == QPaintEngine::Raster) {
        p.setPen(halo(i.couleur));
        for (const QPointF& d : kAutour)
            p.drawText(o + d, i.texte);
    } else {
        QPainterPath chemin;
        chemin.addText(o, f, i.texte);
        p.strokePath(chemin, QPen(halo(i.couleur), 2 * kRayonHalo, Qt::SolidLine, Qt::RoundCap,
                                  Qt::RoundJoin));
    }
    p.setPen(i.couleur);
    p.drawText(o, i.texte);
}

void encadrer(QPainter& p, const QRectF& boite, const QColor& couleur) {
    const double d = kLargeurCadre;
    const QRectF r = boite.adjusted(d, d, -d, -d);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(halo(couleur), 2 * kLargeurCadre));
    p.drawRoundedRect(r, kRayonCadre, kRayonCadre);
    p.setPen(QPen(couleur, kLargeurCadre));
    p.drawRoundedRect(r, kRayonCadre, kRayonCadre);
}

// A text on its plate; `largeurAuTexte`: the plate as wide as the text,
// centred on the box's axis.
void plaque(QPainter& p, const QFont& f, QRectF boite, const Inscription& i,
            bool largeurAuTexte = false) {
    if (!i.visible)
        return;
    const QFontMetricsF m(f, p.device());
    if (largeurAuTexte) {
        const double largeur = m.horizontalAdvance(i.texte);
        boite = QRectF(boite.center().x() - largeur / 2, boite.top(), largeur, m.height());
    }
    p.fillRect(boite, kPlaque);
    p.setFont(f);
    p.setPen(i.couleur);
    p.drawText(origine(m, i.texte, boite, true), i.texte);
}

} // namespace

QString nomEntete(int colonne) {
    return kNomsEntetes[colonne];
}

QColor couleurEntete(int colonne) {
    return colonne < 5 ? kSemaine : kFinDeSemaine;
}

Couleurs lireCouleurs(const QString& chemin) {
    plateforme::LecteurValeurs valeurs(chemin);
    Couleurs couleurs;
    for (QColor& c : couleurs) {
        const std::optional<long long> v = valeurs.suivanteNombre();
        c = v && *v >= 0 && *v <= 0xFFFFFF ? couleurDeNombre(*v) : kSemaine;
    }
    return couleurs;
}

Donnees lireDonnees(const calendrier::FichiersTravail& f, const QStringList& lignesPaque,
                    const QDate& aujourdhui) {
    Donnees d;
    d.mobiles = lireJoursMobiles(lignesPaque);
    d.anniversaires = lireAnniversaires(f.chargerListe(calendrier::Liste::Enfant));
    d.fetes = lireFetes(f.chargerListe(calendrier::Liste::Fete));
    d.prenoms = Prenoms::charger(f.chemin(u"Prenoms"_qs));
    d.aujourdhui = aujourdhui;
    return d;
}

QString numeroJour(int jour) {
    return u"%1"_qs.arg(jour, 2, 10, QLatin1Char('0'));
}

QColor couleurJour(Marque marque, const QColor& repos) {
    switch (marque) {
    case Marque::Aucune:
        return repos;
    case Marque::Marque:
        return kVert;
    case Marque::Aujourdhui:
        return kBleu;
    }
    return repos;
}

Feuille feuilleDeCouverture(const QString& annee) {
    Feuille f;
    f.annee = {annee, kEncre, true};
    f.titre = {u" Annee "_qs, kEncre, true};
    return f;
}

Feuille feuilleDuMois(const PageMois& page, const Couleurs& couleurs) {
    Feuille f;
    f.annee = {u' ' + QString::number(page.annee), kEncre, true};
    f.titre = {libelleMois(page.mois), kEncre, true};
    for (int j = 0; j < kJoursSemaine; ++j)
        f.entetes[j] = {nomEntete(j), couleurEntete(j), true};
    for (int n = 0; n < kCases; ++n) {
        const Case& c = page.cases[n];
        if (c.jour == 0)
            continue;
        f.jours[n] = {numeroJour(c.jour), couleurJour(c.marque, couleurs[n]), true,
                      c.marque != Marque::Aucune};
        if (!c.prenom.isEmpty())
            f.prenoms[n] = {c.prenom, kTexte, true};
    }
    for (qsizetype i = 0; i < page.lignes.size(); ++i)
        f.lignes[i] = {page.lignes[i], kTexte, true};
    f.ornements = true;
    return f;
}

void peindre(QPainter& p, const QRectF& cible, const Feuille& f, const QSizeF& taille) {
    if (taille.isEmpty() || cible.isEmpty())
        return;
    p.save();
    p.translate(cible.topLeft());
    p.scale(cible.width() / taille.width(), cible.height() / taille.height());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF page(QPointF(0, 0), taille);
    p.fillRect(page, kFond);
    if (!f.image.isNull())
        p.drawImage(page, f.image);
    if (f.ornements) {
        const double cote = dessin::kTailleOrnement;
        p.drawImage(QRectF(0, taille.height() - cote, cote, cote),
                    coin(ressources::Coin::BasGauche));
        p.drawImage(QRectF(taille.width() - cote, taille.height() - cote, cote, cote),
                    coin(ressources::Coin::BasDroite));
    }

    const double r =
        std::min(taille.width() / dessin::kPage.width(), taille.height() / dessin::kPage.height());
    p.scale(r, r);
    plaque(p, police(dessin::kPointsAnnee, true), dessin::kAnnee, f.annee);
    // The title keeps the year's axis, so that a long month name does not
    // hang off the page's centre.
    const QRectF axe(dessin::kAnnee.left(), dessin::kTitre.top(), dessin::kAnnee.width(),
                     dessin::kTitre.height());
    plaque(p, police(dessin::kPointsTitre, true), axe, f.titre, true);

    const QFont grille = police(dessin::kPointsGrille, true);
    for (int j = 0; j < kJoursSemaine; ++j)
        inscrire(p, grille, dessin::entete(j), f.entetes[j]);
    const QFont prenom = police(dessin::kPointsPrenom, true);
    for (int n = 0; n < kCases; ++n) {
        const Inscription& jour = f.jours[n];
        if (jour.visible && jour.bordure)
            encadrer(p, dessin::jour(n), jour.couleur);
        inscrire(p, grille, dessin::jour(n), jour);
        inscrire(p, prenom, dessin::prenom(n), f.prenoms[n], false);
    }
    const QFont ligne = police(dessin::kPointsLigne, false);
    for (int i = 0; i < kLignes; ++i)
        inscrire(p, ligne, dessin::ligne(i), f.lignes[i]);
    plaque(p, ligne, dessin::kQuestion, f.question);
    p.restore();
}

} // namespace pages
