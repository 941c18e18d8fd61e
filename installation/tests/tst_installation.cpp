// The installer driven as a user drives it, from a medium to an installed
// suite: the files and their bytes, the shortcuts and the menu, the marker,
// the language gate, and every refusal and failure on the way.

#include "installation/commun/copyright.h"
#include "installation/commun/fond.h"
#include "installation/commun/language.h"
#include "installation/commun/menus.h"
#include "installation/essais/bac.h"
#include "installation/execution.h"
#include "installation/install/vert.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QProcess>
#include <QTest>

using namespace installation;

namespace {

const QString kSupport = QStringLiteral(QUIVEX_SUPPORT_DIR);
const QString kFin = u"L'INSTALLATION C'EST BIEN PASSER"_qs;

QString ligne(const QString& gauche, const QString& droite) {
    return gauche.leftJustified(60) + droite;
}

const QStringList kFichiers = {
    ligne(u"calendrier"_qs, u"Quivex\\Calendrier\\calendrier"_qs),
    ligne(u"Prenoms"_qs, u"Quivex\\Calendrier\\Prenoms"_qs),
    ligne(u"Images\\01 Janvier.jpg"_qs, u"Quivex\\Calendrier\\Images\\01 Janvier.jpg"_qs),
    ligne(u"aide/Calend.html"_qs, u"Ailleurs\\Calend.html"_qs),
    u"Couleur"_qs,
};
const QString kNom = u"Calendrier"_qs;
const QString kIcone = ligne(u"Calendrier"_qs, u"Quivex\\Calendrier\\calendrier"_qs);

// A small medium: the list file, its sources (the program runnable), the
// name file and a stand-in for every runtime file.
void poserSupport(const QString& dossier, const QString& nom, const QStringList& fichiers,
                  const QStringList& icones) {
    QVERIFY(
        plateforme::reecrire(dossier + u"/Lire.Pie"_qs,
                             QStringList{nom} + fichiers + QStringList{u"[ICONE]"_qs} + icones));
    QVERIFY(plateforme::reecrire(dossier + u"/Broxel.dll"_qs, {u"Calendrier"_qs}));
    for (const QString& l : fichiers) {
        const QString source = dossier + u'/' + colonneGauche(l).replace(u'\\', u'/');
        QVERIFY(poser(source, source.toUtf8().repeated(50)));
        if (source.endsWith(u"calendrier"_qs))
            QFile::setPermissions(source, QFile::permissions(source) | QFile::ExeOwner);
    }
    for (const QString& r : kFichiersExecution)
        QVERIFY(poser(dossier + u'/' + r, r.toUtf8()));
}

// The fields of a desktop entry.
QHash<QString, QString> entree(const QString& fichier) {
    QHash<QString, QString> champs;
    for (const QString& l : QString::fromUtf8(contenu(fichier)).split(u'\n'))
        if (const qsizetype egal = l.indexOf(u'='); egal > 0)
            champs.insert(l.left(egal), l.mid(egal + 1));
    return champs;
}

// A value of string type read back; the paths here hold no control
// character and start with no blank, so only backslashes are escaped.
QString chaine(QString valeur) {
    return valeur.replace(u"\\\\"_qs, u"\\"_qs);
}

// What `programme` prints, started in `dossier` with `variable` (NAME=value)
// set.
QStringList executer(const QString& programme, const QStringList& args, const QString& dossier,
                     const QString& variable) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dossier);
    p.start(programme, args);
    p.waitForFinished(60000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// An Exec value read back as a desktop does: the string escapes, then the
// quoting, which is the shell's double quoting, then the doubled '%'.
QStringList arguments(const QString& exec) {
    const QString commande = u"printf '%s\\n' "_qs + chaine(exec).replace(u"%%"_qs, u"%"_qs);
    return executer(u"/bin/sh"_qs, {u"-c"_qs, commande}, {}, u"LC_ALL=C"_qs);
}

} // namespace

class TestInstallation : public QObject {
    Q_OBJECT

    std::unique_ptr<Bac> bac_;
    std::unique_ptr<Installation> programme_;

    QString support() const { return bac_->chemin(u"support"_qs); }
    Vert& vert() { return programme_->vert(); }
    QString dossierInstalle() const { return bac_->lecteurs[1] + u"/Quivex/Calendrier"_qs; }
    // Started on `source` (or already), through the splash's ticks up to the
    // main window.
    void jusquAVert(const QString& source = {}) {
        if (!source.isEmpty()) {
            programme_ = std::make_unique<Installation>(bac_->services(source));
            programme_->demarrer();
        }
        Copyright& splash = programme_->copyright();
        splash.Timer1.stop();
        while (splash.isVisible())
            splash.Timer1_Timer();
        QVERIFY(vert().isVisible());
    }
    // The drive chosen, its OK, then the button that installs.
    void installer(int lecteur) {
        vert().Drive1.setCurrentIndex(lecteur);
        QVERIFY(cliquer(vert().Disque));
        QVERIFY(cliquer(vert().Installer));
    }

private slots:
    void init() {
        programme_.reset();
        bac_ = std::make_unique<Bac>();
    }

    void installationDuSupport() {
        // A drive whose path has signs to quote in the shortcuts.
        bac_->lecteurs[1] = bac_->chemin(u"d i\"s%que $x\\y 'z'"_qs);
        QVERIFY(QDir().mkpath(bac_->lecteurs[1]));
        QList<int> barre;
        const QString dossier = installerSuite(*bac_, kSupport, 1, &barre);
        QCOMPARE(dossier, dossierInstalle());

        // Every listed file and every runtime file, byte for byte, with its
        // permissions.
        const QStringList liste = plateforme::lireLignes(kSupport + u"/Lire.Pie"_qs);
        const qsizetype icone = liste.indexOf(u"[ICONE]"_qs);
        QStringList copies;
        for (const QString& l : liste.mid(1, icone - 1))
            copies << l.left(60).trimmed().replace(u'\\', u'/');
        // The bar: the list's lines over n + 14, then the runtime files over n + 13.
        const qsizetype n = copies.size(), r = kFichiersExecution.size();
        QList<int> attendus;
        for (qsizetype i = 0; i <= n; ++i)
            attendus << int(std::nearbyint(100.0 * i / (n + r + 3)));
        for (qsizetype k = 1; k <= r; ++k)
            attendus << int(std::nearbyint(100.0 * (n + k) / (n + r + 2)));
        QCOMPARE(barre, attendus);
        for (const QString& nom : copies + kFichiersExecution + QStringList{u"Lire.Pie"_qs}) {
            const QString installe = dossier + u'/' + nom;
            QCOMPARE(contenu(installe), contenu(kSupport + u'/' + nom));
            QCOMPARE(QFile::permissions(installe), QFile::permissions(kSupport + u'/' + nom));
        }
        QCOMPARE(plateforme::lireValeurs(dossier + u"/Broxel.dll"_qs).mid(0, 2),
                 (QStringList{u"Calendrier"_qs, dossier}));

        // Every icon in the menu starts its program in the program folder.
        const QDir groupe(dossierGroupe(u"Calendrier"_qs));
        const QByteArray menu = contenu(fichierMenuGroupe(u"Calendrier"_qs));
        QCOMPARE(groupe.entryList(QDir::Files).size(), liste.size() - icone - 1);
        for (const QString& l : liste.mid(icone + 1)) {
            const auto champs = entree(groupe.filePath(colonneGauche(l) + u".desktop"_qs));
            const QString cible = dossier + u'/' + composants(colonneDroite(l)).last();
            QCOMPARE(arguments(champs.value(u"Exec"_qs)), QStringList{cible});
            QCOMPARE(chaine(champs.value(u"Path"_qs)), dossier);
            QVERIFY(
                menu.contains(u"Quivex-Calendrier-%1.desktop<"_qs.arg(colonneGauche(l)).toUtf8()));
        }
        QVERIFY(QDir(dossierDemarrage()).isEmpty());
        // The year goes to PDF, with the Qt beside the program.
        const QString pdf = dossier + u"/2027.pdf"_qs;
        const QStringList qt =
            executer(dossier + u"/calendrier-pdf"_qs, {}, dossier, u"LD_TRACE_LOADED_OBJECTS=1"_qs)
                .filter(u"libQt6"_qs);
        QVERIFY(qt.size() >= 3);
        for (const QString& l : qt)
            QVERIFY2(l.contains(u" => "_qs + dossier + u"/libQt6"_qs), qPrintable(l));
        executer(dossier + u"/calendrier-pdf"_qs, {u"2027"_qs, pdf}, dossier,
                 u"QT_QPA_PLATFORM=offscreen"_qs);
        QVERIFY(contenu(pdf).startsWith("%PDF"));

        // Installed again: the user's own files stay, a damaged file is
        // copied anew, the marker is kept.
        const QStringList propres = {u"Enfant"_qs, u"Fete"_qs, u"SaveCalend/Noel.Ans"_qs};
        for (const QString& f : propres + QStringList{u"Prenoms"_qs})
            QVERIFY(poser(dossier + u'/' + f, f.toUtf8()));
        const QByteArray marqueur = contenu(dossier + u"/Broxel.dll"_qs);
        QCOMPARE(installerSuite(*bac_, kSupport, 1), dossier);
        QCOMPARE(contenu(dossier + u"/Prenoms"_qs), contenu(kSupport + u"/Prenoms"_qs));
        for (const QString& f : propres)
            QCOMPARE(contenu(dossier + u'/' + f), f.toUtf8());
        QCOMPARE(contenu(dossier + u"/Broxel.dll"_qs), marqueur);
    }

    // A medium installed, or refused, or failing on the way with one message
    // citing what is wrong and no marker nor shortcut left.
    void supports_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("icones");
        QTest::addColumn<QString>("cite");  // nothing: installed
        QTest::addColumn<QString>("panne"); // what is damaged before the install
        const auto rang = [](const char* cas, const QString& nom, const QStringList& icones,
                             const QString& cite, const QString& panne = {}) {
            QTest::newRow(cas) << nom << icones << cite << panne;
        };
        // "ADRESSE" also starts with the session.
        const QString ici = u"Quivex\\Calendrier\\calendrier"_qs;
        rang("installe", u"CALENDRIER"_qs, {ligne(u"ADRESSE"_qs, ici)}, {});

        // One row per refusal.
        rang("icone plus bas", kNom, {ligne(kNom, ici + u"\\x"_qs)}, u"Quivex"_qs);
        rang("nom ..", u".."_qs, {kIcone}, u"« .. »"_qs);
        rang("disque hors code", kNom, {kIcone}, u"日历"_qs, u"日历"_qs);
        const QString sortie = ligne(u"Prenoms"_qs, u"Quivex\\Calendrier\\..\\..\\x"_qs);
        rang("fichier hors du dossier", kNom, {kIcone}, sortie.trimmed(), sortie);

        // A list file that cannot be read stops at the drive; a file that
        // cannot be copied, at the install.
        for (const auto& [panne, fichier] : {std::pair{"liste absente", "Lire.Pie"},
                                             {"liste vide", "Lire.Pie"},
                                             {"source absente", "Prenoms"},
                                             {"dossier a sa place", "calendrier"}})
            rang(panne, kNom, {kIcone}, u"{support}/"_qs + QString::fromUtf8(fichier),
                 QString::fromUtf8(panne));
    }
    void supports() {
        QFETCH(QString, nom);
        QFETCH(QStringList, icones);
        QFETCH(QString, cite);
        QFETCH(QString, panne);
        QVERIFY(panne != u"日历" || QDir().mkpath(bac_->lecteurs[1] = bac_->chemin(panne)));
        const QString dossier = dossierInstalle();
        poserSupport(support(), nom,
                     kFichiers + QStringList(panne.startsWith(u"Prenoms"_qs) ? 1 : 0, panne),
                     icones);
        cite.replace(u"{support}"_qs, support());
        QVERIFY(!panne.endsWith(u"absente"_qs) || QFile::remove(cite));
        QVERIFY(panne != u"liste vide" || poser(cite, {}));
        QVERIFY(panne != u"dossier a sa place" || QDir().mkpath(dossier + u"/calendrier"_qs));
        QVERIFY(ecrireLangue(kFrancais));
        jusquAVert(support());
        if (panne.startsWith(u"liste"_qs))
            QVERIFY(cliquer(vert().Disque) && !vert().Installer.isVisible());
        else
            installer(1);
        QCOMPARE(bac_->messages.size(), cite.isEmpty() ? 0 : 1);
        QVERIFY2(bac_->messages.value(0).contains(cite), qPrintable(bac_->messages.value(0)));
        QCOMPARE(QFileInfo::exists(dossier + u"/Broxel.dll"_qs), cite.isEmpty());
        QCOMPARE(QFileInfo::exists(dossierGroupe(u"Calendrier"_qs)), cite.isEmpty());
        QCOMPARE(vert().Label3.text() == kFin, cite.isEmpty());
        if (!cite.isEmpty()) {
            // A refusal leaves the drive untouched; a failure, no copy half done.
            QVERIFY(cite.contains(support()) || QDir(bac_->lecteurs[1]).isEmpty());
            QVERIFY(!QFileInfo(dossier + u'/' + QFileInfo(cite).fileName()).isFile());
            return;
        }
        QCOMPARE(QDir(dossierDemarrage()).entryList(QDir::Files),
                 QStringList{u"ADRESSE.desktop"_qs});
        // A line shorter than 60 characters is its own source and name; a
        // target outside the program folder gives its last part.
        QCOMPARE(contenu(dossier + u"/Couleur"_qs), contenu(support() + u"/Couleur"_qs));
        QCOMPARE(contenu(dossier + u"/Calend.html"_qs),
                 contenu(support() + u"/aide/Calend.html"_qs));
    }

    // Without a language file the window asks and the answer is kept;
    // anything but French installs in English; "Quitter" ends the program.
    void langue() {
        poserSupport(support(), kNom, kFichiers, {kIcone});
        programme_ = std::make_unique<Installation>(bac_->services(support()));
        programme_->demarrer();
        Language& language = programme_->language();
        QVERIFY(language.isVisible() && !programme_->copyright().isVisible());
        language.Combo1.setCurrentIndex(1);
        QVERIFY(cliquer(language.Command1));
        QCOMPARE(plateforme::lireLignes(cheminLangue()), QStringList{u"English"_qs});
        jusquAVert();
        installer(0);
        QCOMPARE(vert().Label3.text(), u"The INSTALLATION IT PASS WELL"_qs);
        QVERIFY(cliquer(vert().Quitte));
        QVERIFY(bac_->fini && !vert().isVisible() && !programme_->fond().isVisible());
    }
};

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
