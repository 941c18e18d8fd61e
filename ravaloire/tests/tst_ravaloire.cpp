// The uninstaller driven as a user drives it, on a suite the real installer put
// in a hermetic home from the medium: its runs, what stays, every refusal.

#include "installation/commun/menus.h"
#include "installation/essais/bac.h"
#include "plateforme/essais/lectureseule.h"
#include "plateforme/noyau/fichiertexte.h"
#include "ravaloire/desinstallation.h"
#include "ravaloire/vert.h"

#include <QDirIterator>

using namespace ravaloire;

namespace {

// Every entry below `dossier`, links shown and not followed.
QStringList inventaire(const QString& dossier) {
    QStringList entrees;
    const auto tout = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (QDirIterator it(dossier, tout, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo i = it.nextFileInfo();
        entrees << i.filePath() + u" -> "_qs + i.symLinkTarget();
    }
    entrees.sort();
    return entrees;
}

} // namespace

class TestRavaloire : public QObject {
    Q_OBJECT

    std::unique_ptr<Bac> bac_;
    std::unique_ptr<Desinstallation> programme_;
    QString dossier_;
    QStringList demarres_;

    QString lecteur() const { return bac_->lecteurs[1]; }
    // The uninstaller whose file is `programme`, past the splash.
    Vert& lancer(const QString& programme) {
        programme_.reset();
        programme_ = std::make_unique<Desinstallation>(Services{
            .informer = [this](QWidget*, const QString& titre,
                               const QString& texte) { bac_->messages << titre + u'|' + texte; },
            .terminer = [this] { bac_->fini = true; },
            .lecteurs = [this] { return bac_->lecteurs; },
            .demarrer =
                [this](const QString& copie, const QString& dossier) {
                    demarres_ << copie;
                    return QFileInfo(copie).path() == dossier;
                },
            .programme = programme,
            .intervalleSplash = 1});
        programme_->demarrer();
        installation::Copyright& splash = programme_->copyright();
        splash.Timer1.stop();
        while (splash.isVisible())
            splash.Timer1_Timer();
        return programme_->vert();
    }
    // The first phase: the private folder where its copy was started.
    QString phaseUn() {
        demarres_.clear();
        cliquer(lancer(dossier_ + u"/Ravaloire"_qs).Oui);
        return demarres_.size() == 1 ? QFileInfo(demarres_[0]).path() : QString();
    }

private slots:
    void init() {
        programme_.reset();
        bac_ = std::make_unique<Bac>();
        dossier_ = installerSuite(*bac_, QStringLiteral(QUIVEX_SUPPORT_DIR), 1);
        QCOMPARE(dossier_, lecteur() + u"/Quivex/Calendrier"_qs);
    }

    // A run stopped between its phases, a run that cannot remove a file, then
    // a run to the end: what stays and what goes.
    void deuxPhases() {
        const QString d = dossier_;
        // The family's files and prints, and canaries all around.
        QStringList gardes = {bac_->chemin(u"maison/Sauve"_qs),
                              installation::dossierDemarrage() + u"/adresse.desktop"_qs};
        for (const QString& f :
             u"Enfant|Fete|SaveCalend/FAMILLE2025.Ans|Calendrier2025.pdf|notes.txt"_qs.split(u'|'))
            gardes << d + u'/' + f;
        for (const QString& f : u"Quivex/canari|photos/Janvier.jpg|dehors/Prenoms"_qs.split(u'|'))
            gardes << lecteur() + u'/' + f;
        for (const QString& f : gardes)
            QVERIFY(poser(f, f.toUtf8()));
        // What the suite wrote while it ran, and links where its files were.
        const QString temporaire = d + u"/SaveCalend/Temporaire.tmp"_qs;
        QVERIFY(poser(temporaire, "0\r\n") && poser(d + u"/Annee.ser"_qs, "0\r\n"));
        QVERIFY(QDir(d + u"/Images"_qs).removeRecursively());
        QVERIFY(QFile::link(lecteur() + u"/photos"_qs, d + u"/Images"_qs));
        QVERIFY(QFile::remove(d + u"/Prenoms"_qs));
        QVERIFY(QFile::link(lecteur() + u"/dehors/Prenoms"_qs, d + u"/Prenoms"_qs));
        // A start-up entry, as the installer makes it for an icon "ADRESSE";
        // another program's "adresse" stays.
        const QString adresse = installation::dossierDemarrage() + u"/ADRESSE.desktop"_qs;
        for (const QString& nom : {u"ADRESSE"_qs, u"adresse"_qs})
            QVERIFY(plateforme::prolonger(
                d + u"/Lire.Pie"_qs,
                {nom.leftJustified(60) + u"Quivex\\Calendrier\\calendrier"_qs}));
        QVERIFY(poser(adresse, (u"[Desktop Entry]\nPath="_qs + d + u'\n').toUtf8()));
        // The first phase removes nothing; its copy starts in a private
        // folder of its own, with the Qt it needs.
        const QStringList installe = inventaire(lecteur());
        QVERIFY(!phaseUn().isEmpty()); // a run stopped there starts again
        const QString prive = phaseUn();
        QVERIFY(bac_->fini);
        QCOMPARE(inventaire(lecteur()), installe);
        QCOMPARE(QFile::permissions(prive) & 0x0077, QFile::Permissions());
        QVERIFY(QFileInfo(prive + u"/libQt6Widgets.so.6"_qs).isFile());
        // A file that cannot go: said, and what a second run needs stays.
        std::optional<FichierIndelebile> faute(temporaire);
        lancer(prive + u"/Ravaloire"_qs);
        const QString m = bac_->messages.join(u'\n');
        QVERIFY2(m.contains(temporaire + u" ("_qs) &&
                     m.contains(u"Relancez « %1/Ravaloire »"_qs.arg(d)),
                 qPrintable(m));
        for (const QString& f : {u"Broxel.dll"_qs, u"Lire.Pie"_qs, u"Ravaloire"_qs, u"qt.conf"_qs})
            QVERIFY(QFileInfo::exists(d + u'/' + f));
        QVERIFY(!QFileInfo::exists(d + u"/calendrier"_qs));
        faute.reset();
        // The second run to the end: the user's files stay, and are named.
        bac_->messages.clear();
        lancer(phaseUn() + u"/Ravaloire"_qs);
        const QString propres =
            u"Calendrier2025.pdf, Enfant, Fete, Images, SaveCalend, notes.txt"_qs;
        QCOMPARE(bac_->messages.join(u'\n').section(u" dans "_qs, 1),
                 u"« %1 » : %2."_qs.arg(d, propres));
        const auto tout = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
        QCOMPARE(QDir(d).entryList(tout, QDir::Name), propres.split(u", "_qs));
        QCOMPARE(QDir(d + u"/SaveCalend"_qs).entryList(tout), QStringList{u"FAMILLE2025.Ans"_qs});
        for (const QString& f : gardes)
            QCOMPARE(contenu(f), f.toUtf8());
        QVERIFY(QDir(bac_->chemin(u"execution"_qs)).isEmpty());
        for (const QString& parti :
             {adresse, installation::dossierGroupe(u"Calendrier"_qs),
              installation::fichierMenuGroupe(u"Calendrier"_qs), installation::dossierReglages()})
            QVERIFY2(!QFileInfo::exists(parti), qPrintable(parti));
    }

    // One row per refusal: said in the window, nothing copied nor removed.
    void refus_data() {
        QTest::addColumn<QString>("marqueur"); // its lines, '|' between; none: no marker
        QTest::addColumn<QString>("cite");
        const QString hors = u"n'est pas un dossier d'installation"_qs;
        QTest::newRow("sans marqueur") << QString() << u"introuvable"_qs;
        QTest::newRow("relative") << u"Calendrier|Quivex/Calendrier"_qs << u"ne nomme pas"_qs;
        QTest::newRow("racine du disque") << u"Calendrier|{D}"_qs << hors;
        QTest::newRow("lien") << u"Calendrier|{D}/Quivex/Lien"_qs << u"lien"_qs;
        QTest::newRow("autre dossier") << u"Calendrier|{D}/Quivex/Autre"_qs << u"ne contient"_qs;
        QTest::newRow("groupe ..") << u"..|{d}"_qs << u"groupe"_qs;
    }
    void refus() {
        QFETCH(QString, marqueur);
        QFETCH(QString, cite);
        QVERIFY(QFile::link(dossier_, lecteur() + u"/Quivex/Lien"_qs));
        QVERIFY(QDir().mkpath(lecteur() + u"/Quivex/Autre"_qs));
        marqueur.replace(u"{d}"_qs, dossier_).replace(u"{D}"_qs, lecteur());
        QVERIFY(QFile::remove(dossier_ + u"/Broxel.dll"_qs));
        QVERIFY(marqueur.isEmpty() ||
                plateforme::reecrire(dossier_ + u"/Broxel.dll"_qs, marqueur.split(u'|')));
        // Only the shape of the windows may be written, with the language.
        const QRegularExpression ailleurs(u"^(?!.*/config/quivex/)"_qs);
        const QStringList avant = inventaire(bac_->racine().path()).filter(ailleurs);
        Vert& v = lancer(dossier_ + u"/Ravaloire"_qs);
        QVERIFY2(v.Label1.text().contains(cite) &&
                     v.Label1.text().endsWith(u"Rien n'a été copié ni supprimé."_qs),
                 qPrintable(v.Label1.text()));
        QVERIFY(!v.Oui.isVisible() && cliquer(v.Non) && bac_->fini);
        QCOMPARE(inventaire(bac_->racine().path()).filter(ailleurs), avant);
        QVERIFY(QDir(bac_->chemin(u"execution"_qs)).isEmpty() && bac_->messages.isEmpty());
    }
};

QTEST_MAIN(TestRavaloire)
#include "tst_ravaloire.moc"
