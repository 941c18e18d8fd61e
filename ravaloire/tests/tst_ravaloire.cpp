// The uninstaller driven as a user drives it, on a suite the real installer
// put in a hermetic home from the medium: both phases, what stays and where,
// every refusal, a file that cannot go, and a run cut between its phases.

#include "installation/commun/language.h"
#include "installation/commun/menus.h"
#include "installation/essais/bac.h"
#include "plateforme/essais/lectureseule.h"
#include "plateforme/noyau/fichiertexte.h"
#include "ravaloire/desinstallation.h"
#include "ravaloire/vert.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>

using namespace ravaloire;
using installation::Copyright;

namespace {

const QString kSupport = QStringLiteral(QUIVEX_SUPPORT_DIR);
const QString kRien = u"Rien n'a été copié ni supprimé."_qs;

// Every entry below `dossier`, links shown and not followed, files by their
// content.
QStringList inventaire(const QString& dossier) {
    QStringList entrees;
    QDirIterator it(dossier, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo i(it.next());
        const QString nom = QDir(dossier).relativeFilePath(i.filePath());
        entrees << (i.isSymLink() ? nom + u" -> "_qs + i.symLinkTarget()
                    : i.isDir()   ? nom + u'/'
                                  : nom + u' ' +
                                      QCryptographicHash::hash(contenu(i.filePath()),
                                                               QCryptographicHash::Md5)
                                          .toHex());
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
    bool demarrable_ = true;

    QString lecteur() const { return bac_->lecteurs[1]; }

    // The uninstaller whose file is `programme`, through the language choice
    // when it is asked and past the splash.
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
                    return demarrable_ && QFileInfo(copie).path() == dossier;
                },
            .programme = programme,
            .intervalleSplash = 1});
        programme_->demarrer();
        if (programme_->language().isVisible())
            cliquer(programme_->language().Command1);
        Copyright& splash = programme_->copyright();
        splash.Timer1.stop();
        while (splash.isVisible())
            splash.Timer1_Timer();
        return programme_->vert();
    }
    // The first phase, from the install folder: the private folder where its
    // copy was started.
    QString phaseUn() {
        const qsizetype avant = demarres_.size();
        cliquer(lancer(dossier_ + u"/Ravaloire"_qs).Oui);
        return demarres_.size() == avant + 1 ? QFileInfo(demarres_.last()).path() : QString();
    }
    // The second phase: the copy started in its private folder, run here.
    void phaseDeux(const QString& prive) { lancer(prive + u"/Ravaloire"_qs); }

private slots:
    void init() {
        bac_ = std::make_unique<Bac>();
        dossier_ = installerSuite(*bac_, kSupport, 1);
        QCOMPARE(dossier_, lecteur() + u"/Quivex/Calendrier"_qs);
        demarres_.clear();
        demarrable_ = true;
    }
    void cleanup() {
        programme_.reset();
        bac_.reset();
    }

    void deuxPhases() {
        const QString d = dossier_;
        const QString maison = bac_->chemin(u"maison"_qs);
        // The family's files and prints, and canaries all around.
        QStringList gardes = {maison + u"/Sauve"_qs,
                              installation::dossierDemarrage() + u"/autre.desktop"_qs,
                              installation::dossierDemarrage() + u"/adresse.desktop"_qs,
                              installation::dossierGroupe(u"Autre"_qs) + u"/x.desktop"_qs};
        for (const char* f :
             {"Enfant", "Fete", "SaveCalend/FAMILLE2025.Ans", "SaveCalend/FAMILLEJanvier2025.Ima",
              "Calendrier2025.pdf", "notes.txt"})
            gardes << d + u'/' + QString::fromUtf8(f);
        for (const char* f : {"Quivex/canari", "Quivex/Autre/Sauve", "canari",
                              "photos/01 Janvier.jpg", "dehors/Prenoms"})
            gardes << lecteur() + u'/' + QString::fromUtf8(f);
        for (const QString& f : gardes)
            QVERIFY(poser(f, f.toUtf8()));
        // What the suite wrote while it ran, and links where its files were.
        for (const QString& f : {u"Annee.ser"_qs, u"SAUVE"_qs, u"SaveCalend/Temporaire.tmp"_qs})
            QVERIFY(poser(d + u'/' + f, "0\r\n"));
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

        Vert& v = lancer(d + u"/Ravaloire"_qs);
        QCOMPARE(v.Label1.text(), u"Voulez-vous Désinstaller \"CALENDRIER\""_qs);
        const QStringList installe = inventaire(lecteur());
        QVERIFY(cliquer(v.Oui));
        QVERIFY(bac_->fini);
        QCOMPARE(inventaire(lecteur()), installe);

        // The copy, in a folder of its own, loads the Qt copied beside it.
        QCOMPARE(demarres_.size(), 1);
        const QString prive = QFileInfo(demarres_[0]).path();
        QCOMPARE(QFileInfo(prive).path(), bac_->chemin(u"execution"_qs));
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(prive).constData(), &st) == 0);
        QCOMPARE(st.st_mode & 0777, 0700u);
        QCOMPARE(plateforme::lireLignes(prive + u"/BROXEL.DLL"_qs),
                 (QStringList{u"Calendrier"_qs, d + u'/', u"22"_qs}));
        QProcess trace;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"LD_TRACE_LOADED_OBJECTS"_qs, u"1"_qs);
        trace.setProcessEnvironment(env);
        trace.start(demarres_[0], {});
        QVERIFY(trace.waitForFinished(60000));
        const QString charges = QString::fromLocal8Bit(trace.readAllStandardOutput());
        QVERIFY2(charges.contains(u"libQt6Widgets.so.6 => "_qs + prive + u"/libQt6Widgets.so.6"_qs),
                 qPrintable(charges));

        phaseDeux(prive);
        QCOMPARE(bac_->messages,
                 QStringList{u"Désinltaller|La Désinstallation s'est bien dérouler\n\n"
                             "Vos propres fichiers sont gardés dans « %1 » : Calendrier2025.pdf, "
                             "Enfant, Fete, Images, SaveCalend, notes.txt."_qs.arg(d)});
        QStringList reste;
        for (const QString& f : inventaire(d))
            reste << f.section(u' ', 0, 0);
        QCOMPARE(reste,
                 (QStringList{u"Calendrier2025.pdf"_qs, u"Enfant"_qs, u"Fete"_qs, u"Images"_qs,
                              u"SaveCalend/"_qs, u"SaveCalend/FAMILLE2025.Ans"_qs,
                              u"SaveCalend/FAMILLEJanvier2025.Ima"_qs, u"notes.txt"_qs}));
        for (const QString& f : gardes)
            QCOMPARE(contenu(f), f.toUtf8());
        for (const QString& parti :
             {prive, adresse, installation::dossierGroupe(u"Calendrier"_qs),
              installation::fichierMenuGroupe(u"Calendrier"_qs),
              installation::fichierRepertoireGroupe(u"Calendrier"_qs),
              installation::fichierRepertoireQuivex(), installation::dossierReglages()})
            QVERIFY2(!QFileInfo::exists(parti), qPrintable(parti));

        // Run again, it asks the language anew, then says why it does nothing.
        const QStringList apres = inventaire(bac_->racine().path());
        Vert& encore = lancer(d + u"/Ravaloire"_qs);
        QVERIFY(encore.Label1.text().contains(u"« Broxel.dll » est introuvable"_qs));
        QVERIFY(!encore.Oui.isVisible());
        QCOMPARE(
            inventaire(bac_->racine().path()).filter(QRegularExpression(u"^(?!config/quivex)"_qs)),
            apres);
    }

    void refus_data() {
        QTest::addColumn<QString>("dossierMarqueur"); // where the uninstaller runs
        QTest::addColumn<QStringList>("marqueur");    // none: no marker there
        QTest::addColumn<QString>("cite");
        const QString g = u"Calendrier"_qs;
        const QString d = u"{d}"_qs;
        QTest::newRow("sans marqueur") << d << QStringList() << u"introuvable"_qs;
        QTest::newRow("ligne vide") << d << QStringList{g, {}, u" 0 "_qs} << u"ne nomme pas"_qs;
        QTest::newRow("relative") << d << QStringList{g, u"Quivex/Calendrier"_qs, u" 0 "_qs}
                                  << u"ne nomme pas"_qs;
        const QString hors = u"n'est pas un dossier d'installation"_qs;
        QTest::newRow("racine du disque") << d << QStringList{g, u"{D}"_qs} << hors;
        QTest::newRow("maison") << d << QStringList{g, u"{maison}"_qs} << hors;
        QTest::newRow("/") << d << QStringList{g, u"/"_qs} << hors;
        QTest::newRow("au-dessus") << d << QStringList{g, u"{D}/Quivex"_qs} << hors;
        QTest::newRow("avec ..") << d << QStringList{g, u"{d}/../Calendrier"_qs} << hors;
        QTest::newRow("hors des disques")
            << d << QStringList{g, u"{maison}/Quivex/Calendrier"_qs} << hors;
        QTest::newRow("lien") << d << QStringList{g, u"{D}/Quivex/Lien"_qs} << u"lien"_qs;
        QTest::newRow("sans son marqueur")
            << d << QStringList{g, u"{D}/Quivex/Autre"_qs} << u"ne contient pas"_qs;
        QTest::newRow("groupe ..") << d << QStringList{u".."_qs, d} << u"groupe"_qs;
        QTest::newRow("seconde phase apres coup")
            << u"{execution}/ravaloire-vieux"_qs << QStringList{g, d + u'/', u"22"_qs}
            << u"ne contient pas"_qs;
    }
    void refus() {
        QFETCH(QString, dossierMarqueur);
        QFETCH(QStringList, marqueur);
        QFETCH(QString, cite);
        const auto lieu = [this](QString t) {
            return t.replace(u"{d}"_qs, dossier_)
                .replace(u"{D}"_qs, lecteur())
                .replace(u"{maison}"_qs, bac_->chemin(u"maison"_qs))
                .replace(u"{execution}"_qs, bac_->chemin(u"execution"_qs));
        };
        QVERIFY(QFile::link(dossier_, lecteur() + u"/Quivex/Lien"_qs));
        QVERIFY(QDir().mkpath(lecteur() + u"/Quivex/Autre"_qs));
        QVERIFY(QFile::copy(dossier_ + u"/Broxel.dll"_qs,
                            bac_->chemin(u"maison/Quivex/Calendrier/Broxel.dll"_qs)) ||
                poser(bac_->chemin(u"maison/Quivex/Calendrier/Broxel.dll"_qs), "x"));
        const QString ici = lieu(dossierMarqueur);
        QVERIFY(QDir().mkpath(ici));
        QVERIFY(ici == dossier_ ||
                (QFile::copy(dossier_ + u"/Lire.Pie"_qs, ici + u"/Lire.Pie"_qs) &&
                 QFile::remove(dossier_ + u"/Broxel.dll"_qs)));
        QFile::remove(ici + u"/Broxel.dll"_qs);
        for (QString& l : marqueur)
            l = lieu(l);
        QVERIFY(marqueur.isEmpty() || plateforme::reecrire(ici + u"/Broxel.dll"_qs, marqueur));
        const QStringList avant = inventaire(bac_->racine().path());

        Vert& v = lancer(ici + u"/Ravaloire"_qs);
        QVERIFY2(v.Label1.text().contains(cite) && v.Label1.text().endsWith(kRien),
                 qPrintable(v.Label1.text()));
        QVERIFY(!v.Oui.isVisible() && v.Non.isVisible() && v.Non.isEnabled());
        QCOMPARE(
            inventaire(bac_->racine().path()).filter(QRegularExpression(u"^(?!config/quivex)"_qs)),
            avant.filter(QRegularExpression(u"^(?!config/quivex)"_qs)));
        QVERIFY(demarres_.isEmpty() && bac_->messages.isEmpty());
        QVERIFY(cliquer(v.Non));
        QVERIFY(bac_->fini);
    }

    void lancementImpossible() {
        const QStringList avant = inventaire(lecteur());
        demarrable_ = false;
        QVERIFY(cliquer(lancer(dossier_ + u"/Ravaloire"_qs).Oui));
        QCOMPARE(bac_->messages.size(), 1);
        QVERIFY2(bac_->messages[0].contains(u"n'a pas pu être lancé.\nRien n'a été supprimé."_qs),
                 qPrintable(bac_->messages[0]));
        QVERIFY(!bac_->fini && programme_->vert().Non.isVisible());
        QVERIFY(QDir(bac_->chemin(u"execution"_qs)).isEmpty());
        QCOMPARE(inventaire(lecteur()), avant);
    }

    void reprise_data() {
        QTest::addColumn<bool>("indelebile"); // else the run stops between its phases
        QTest::newRow("un fichier indelebile") << true;
        QTest::newRow("arret entre les phases") << false;
    }
    void reprise() {
        QFETCH(bool, indelebile);
        QVERIFY(installation::ecrireLangue(installation::kEnglish));
        QVERIFY(poser(lecteur() + u"/canari"_qs, "canari"));
        const QString bloque = dossier_ + u"/Images/01 Janvier.jpg"_qs;
        std::optional<FichierIndelebile> faute;
        if (indelebile) {
            faute.emplace(bloque);
            qInfo("%s", faute->immuable() ? "immutable file" : "read-only folder, no DAC override");
        }
        QCOMPARE(lancer(dossier_ + u"/Ravaloire"_qs).Label1.text(),
                 u"Want yourselves Dice to install \"CALENDRIER\""_qs);
        const QString prive = phaseUn();
        QVERIFY(!prive.isEmpty());
        if (indelebile) {
            phaseDeux(prive);
            QCOMPARE(bac_->messages.size(), 1);
            const QString& m = bac_->messages[0];
            QVERIFY2(m.startsWith(
                         u"Dice to install|The uninstallation could not remove everything"_qs) &&
                         m.contains(bloque + u" ("_qs) &&
                         m.contains(u"Start \"%1/Ravaloire\" again"_qs.arg(dossier_)) &&
                         !m.contains(u"own files"_qs),
                     qPrintable(m));
            // What a second run needs stays; the rest of the suite is gone.
            for (const QString& f :
                 {u"Broxel.dll"_qs, u"Lire.Pie"_qs, u"Ravaloire"_qs, u"qt.conf"_qs})
                QVERIFY(QFileInfo::exists(dossier_ + u'/' + f));
            QVERIFY(!QFileInfo::exists(dossier_ + u"/calendrier"_qs));
            QVERIFY(!QFileInfo::exists(installation::dossierGroupe(u"Calendrier"_qs)));
            QVERIFY(installation::langueChoisie());
            faute.reset();
        }
        bac_->messages.clear();
        phaseDeux(phaseUn());
        QCOMPARE(bac_->messages,
                 QStringList{u"Dice to install|The Dice installation take place well"_qs});
        QCOMPARE(
            inventaire(lecteur()),
            (QStringList{u"Quivex/"_qs,
                         u"canari "_qs +
                             QCryptographicHash::hash("canari", QCryptographicHash::Md5).toHex()}));
        QVERIFY(QDir(bac_->chemin(u"execution"_qs)).isEmpty());
        QVERIFY(!installation::langueChoisie());
    }
};

QTEST_MAIN(TestRavaloire)
#include "tst_ravaloire.moc"
