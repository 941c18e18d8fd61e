#include "calendrier-pdf/exportation.h"

#include "calendrier/fichiers/fichierstravail.h"
#include "calendrier/pages/peintre.h"
#include "calendrier/regles/regles.h"
#include "plateforme/noyau/images.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <future>

namespace exportation {

namespace {

// The PDF's unit is the twip, the design's.
constexpr int kTwipsParPouce = 1440;
// Each page as high as the program prints it, with the design's proportions,
// centred on the A4 landscape sheet.
constexpr double kHauteurPage = 11500;
// Each picture embedded at no more than this, and decoded at no less when
// the file holds enough.
constexpr double kPointsParPouceMax = 300;
constexpr double kPointsParPouceMin = 210;

const QString kUsage =
    u"Usage : calendrier-pdf ANNEE SORTIE.pdf [--images DOSSIER | --photos COUVERTURE JANVIER … "
    "DECEMBRE] [--programme DOSSIER]"_qs;

Lecture refus(const QString& erreur) {
    Lecture l;
    l.erreur = erreur;
    return l;
}

// Why `chemin` cannot be a page's picture; empty when it can.
QString refusImage(const QString& chemin) {
    if (!QFileInfo(chemin).isFile())
        return u"L'image « %1 » n'existe pas."_qs.arg(chemin);
    if (plateforme::examinerImage(chemin).taille.isEmpty())
        return u"« %1 » n'est pas une image lisible."_qs.arg(chemin);
    return {};
}

// The first `nombre` pictures of a folder, in the order of their names
// (numbers by value), whatever their extension: the files the picture loader
// can read.
QStringList imagesDuDossier(const QString& dossier, qsizetype nombre) {
    QStringList noms = QDir(dossier).entryList(QDir::Files | QDir::Readable);
    QCollator ordre(QLocale(QLocale::French));
    ordre.setNumericMode(true);
    ordre.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(noms.begin(), noms.end(), ordre);
    QStringList images;
    for (const QString& nom : noms) {
        if (images.size() == nombre)
            break;
        const QString chemin = QDir(dossier).filePath(nom);
        if (!plateforme::examinerImage(chemin).taille.isEmpty())
            images << chemin;
    }
    return images;
}

// The page on the sheet, in twips.
QRectF cadreSurLaFeuille(const QRectF& feuille) {
    const QSizeF page =
        QSizeF(pages::dessin::kPage) * (kHauteurPage / pages::dessin::kPage.height());
    return QRectF(feuille.center() - QPointF(page.width(), page.height()) / 2, page);
}

// The pixels of `pouces` at `points` an inch, rounded down: never above.
QSize pixels(const QSizeF& pouces, double points) {
    return QSize(int(pouces.width() * points), int(pouces.height() * points));
}

// The pictures of the pages, in page order: each decoded once however many
// pages show it, the next two meanwhile, while a page is drawn and written.
class Images {
public:
    Images(const QStringList& chemins, const QSizeF& pouces)
        : chemins_(chemins), plancher_(pixels(pouces, kPointsParPouceMin)),
          plafond_(pixels(pouces, kPointsParPouceMax)) {}

    QImage prendre(int page) {
        for (int suivante = page; suivante <= page + 2; ++suivante)
            lancer(suivante);
        const QString& chemin = chemins_[page];
        QImage image = decodages_.value(chemin).get();
        if (chemins_.lastIndexOf(chemin) == page)
            decodages_.remove(chemin);
        return image;
    }

private:
    void lancer(int page) {
        if (page >= chemins_.size() || decodages_.contains(chemins_[page]))
            return;
        decodages_.insert(
            chemins_[page],
            std::async(std::launch::async, &Images::decoder, this, chemins_[page]).share());
    }

    QImage decoder(const QString& chemin) const {
        // A JPEG decodes at the reduction nearest above the least wanted; a
        // metafile is drawn at the most.
        const bool vectoriel = plateforme::examinerImage(chemin).vectoriel;
        QImage image = plateforme::chargerImageAuMoins(chemin, vectoriel ? plafond_ : plancher_);
        if (image.width() > plafond_.width() || image.height() > plafond_.height())
            image = image.scaled(image.size().boundedTo(plafond_), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
        // As the PDF stores it, converted here rather than while the page waits.
        if (!image.isNull() && !image.hasAlphaChannel())
            image.convertTo(QImage::Format_RGB32);
        return image;
    }

    QStringList chemins_;
    QSize plancher_, plafond_;
    QHash<QString, std::shared_future<QImage>> decodages_;
};

} // namespace

QString aide() {
    return kUsage + u"\n\n"
                    "Écrit le calendrier de l'année ANNEE (de 1 à 3000) dans le fichier PDF "
                    "SORTIE.pdf :\ntreize pages A4 à l'italienne, la couverture puis janvier à "
                    "décembre, composées\ncomme calendrier les compose (jours, prénoms, "
                    "anniversaires, fêtes, fêtes mobiles).\nLes textes restent des textes : le "
                    "PDF se lit et se cherche.\n\n"
                    "  --images DOSSIER     les images du dossier, dans l'ordre de leurs noms : "
                    "la couverture,\n"
                    "                       puis janvier à décembre ; s'il y en a moins de "
                    "treize, la dernière\n"
                    "                       sert aux mois qui restent (par défaut : le dossier "
                    "Images du programme)\n"
                    "  --photos COUVERTURE JANVIER … DECEMBRE\n"
                    "                       treize fichiers image, la couverture puis un par mois\n"
                    "  --programme DOSSIER  le dossier où lire Prenoms, Couleur, Enfant et Fete\n"
                    "                       (par défaut : celui du programme)\n"
                    "  -h, --help           cette aide\n\n"
                    "Le PDF est écrit à part puis mis en place entier. Code de sortie : 0 s'il "
                    "est écrit,\n2 en cas d'erreur (rien n'est alors écrit).\n"_qs;
}

Lecture lireArguments(const QStringList& arguments, const QString& dossierProgramme) {
    QStringList positionnels;
    std::optional<QString> dossierImages;
    std::optional<QStringList> photos;
    QString programme = dossierProgramme;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool suivant = i + 1 < arguments.size();
        if (a == u"-h"_qs || a == u"--help"_qs || a == u"--aide"_qs) {
            Lecture l;
            l.aide = true;
            return l;
        }
        if (a == u"--images"_qs || a == u"--programme"_qs) {
            if (!suivant)
                return refus(u"L'option %1 attend un dossier."_qs.arg(a));
            if (a == u"--images"_qs)
                dossierImages = arguments[++i];
            else
                programme = arguments[++i];
        } else if (a == u"--photos"_qs) {
            const QStringList suite = arguments.mid(i + 1, kPages);
            if (suite.size() < kPages)
                return refus(u"L'option --photos attend treize images : la couverture, puis "
                             "janvier à décembre (%1 données)."_qs.arg(suite.size()));
            photos = suite;
            i += kPages;
        } else if (a.startsWith(u"--"_qs) ||
                   (a.size() > 1 && a.startsWith(u'-') && !a[1].isDigit())) {
            return refus(u"Option inconnue : %1."_qs.arg(a));
        } else {
            positionnels << a;
        }
    }
    if (positionnels.size() < 2)
        return refus(positionnels.isEmpty() ? u"Il manque l'année et le fichier PDF à écrire."_qs
                                            : u"Il manque le fichier PDF à écrire."_qs);
    if (positionnels.size() > 2)
        return refus(u"Argument en trop : %1."_qs.arg(positionnels[2]));
    if (dossierImages && photos)
        return refus(u"--images et --photos ne vont pas ensemble : choisissez l'un ou l'autre."_qs);

    Demande d;
    static const QRegularExpression entier(u"^[+-]?[0-9]{1,9}$"_qs);
    if (!entier.match(positionnels[0]).hasMatch())
        return refus(
            u"L'année doit être un nombre de 1 à 3000, pas « %1 »."_qs.arg(positionnels[0]));
    d.annee = positionnels[0].toLongLong();
    if (!regles::anneeValide(d.annee))
        return refus(u"L'année %1 n'est pas entre 1 et 3000."_qs.arg(d.annee));

    d.sortie = positionnels[1];
    const QFileInfo sortie(d.sortie);
    if (sortie.isDir())
        return refus(
            u"« %1 » est un dossier : donnez le nom du fichier PDF à écrire."_qs.arg(d.sortie));
    if (!sortie.absoluteDir().exists())
        return refus(u"Le dossier où écrire « %1 » n'existe pas."_qs.arg(d.sortie));

    if (!QFileInfo(programme).isDir())
        return refus(u"Le dossier du programme « %1 » n'existe pas."_qs.arg(programme));
    d.programme = programme;

    if (photos) {
        d.images = *photos;
        for (const QString& image : d.images)
            if (const QString pourquoi = refusImage(image); !pourquoi.isEmpty())
                return refus(pourquoi);
    } else {
        const QString dossier =
            dossierImages.value_or(QDir(dossierProgramme).filePath(u"Images"_qs));
        if (!QFileInfo(dossier).isDir())
            return refus(u"Le dossier d'images « %1 » n'existe pas."_qs.arg(dossier));
        d.images = imagesDuDossier(dossier, kPages);
        if (d.images.isEmpty())
            return refus(u"Le dossier « %1 » ne contient aucune image."_qs.arg(dossier));
        while (d.images.size() < kPages)
            d.images << d.images.last();
    }
    Lecture l;
    l.demande = d;
    return l;
}

QStringList avertissements(const Demande& d) {
    const calendrier::FichiersTravail listes(d.programme);
    QStringList dits;
    if (!QFileInfo::exists(listes.chemin(u"Prenoms"_qs)))
        dits << u"Prenoms est introuvable dans « %1 » : les pages seront sans prénoms."_qs.arg(
            d.programme);
    if (!QFileInfo::exists(listes.chemin(u"Couleur"_qs)))
        dits << u"Couleur est introuvable dans « %1 » : les jours seront d'une seule couleur."_qs
                    .arg(d.programme);
    return dits;
}

QString exporter(const Demande& d, const std::function<void(int)>& pageFaite) {
    const auto impossible = [&d](const QString& raison) {
        return u"Impossible d'écrire « %1 » : %2."_qs.arg(d.sortie, raison);
    };
    // Written aside: a run cut short leaves no half file, nor harms one there.
    QSaveFile fichier(d.sortie);
    if (!fichier.open(QIODevice::WriteOnly))
        return impossible(fichier.errorString());

    const calendrier::FichiersTravail listes(d.programme);
    // The page of a year as its feasts are, not as a Paque.ser left there says.
    const pages::Donnees donnees =
        pages::lireDonnees(listes, regles::fetesMobiles(d.annee).lignesPaque(), QDate());
    const pages::Couleurs couleurs = pages::lireCouleurs(listes.chemin(u"Couleur"_qs));

    QPdfWriter pdf(&fichier);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    pdf.setResolution(kTwipsParPouce);
    pdf.setTitle(u"Calendrier %1"_qs.arg(d.annee));
    pdf.setCreator(u"calendrier-pdf"_qs);
    const QRectF cadre = cadreSurLaFeuille(pdf.pageLayout().fullRectPixels(kTwipsParPouce));
    Images images(d.images, cadre.size() / kTwipsParPouce);

    QPainter peintre;
    if (!peintre.begin(&pdf))
        return impossible(fichier.errorString());
    for (int n = 0; n < kPages; ++n) {
        pages::Feuille feuille =
            n == 0 ? pages::feuilleDeCouverture(QString::number(d.annee))
                   : pages::feuilleDuMois(pages::composerMois(d.annee, n, donnees), couleurs);
        feuille.image = images.prendre(n);
        if (feuille.image.isNull())
            return u"L'image « %1 » n'a pas pu être lue."_qs.arg(d.images[n]);
        if (n > 0)
            pdf.newPage();
        pages::peindre(peintre, cadre, feuille);
        if (pageFaite)
            pageFaite(n + 1);
    }
    // Every write checked before the file is put in place.
    if (!peintre.end() || !fichier.flush() || fichier.error() != QFileDevice::NoError ||
        !fichier.commit())
        return impossible(fichier.errorString());
    return {};
}

} // namespace exportation
