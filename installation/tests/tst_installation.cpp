// The installer driven as a user drives it, from a medium to an installed
// suite: the files and their bytes, the shortcuts and the menu, the marker,
// the language gate, and every refusal and failure on the way.

#include "installation/commun/copyright.h"
#include "installation/commun/fond.h"
#include "installation/commun/language.h"
#include "installation/commun/lecteurs.h"
#include "installation/commun/menus.h"
#include "installation/essais/bac.h"
#include "installation/execution.h"
#include "installation/install/vert.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace installation;

namespace {

const QString kSupport = QStringLiteral(QUIVEX_SUPPORT_DIR);
const QString kFin = u"L'INSTALLATION C'EST BIEN PASSER"_qs;
const QString kEchec = u"L'INSTALLATION N'A PAS ABOUTI"_qs;
const QString kPret = u"Cliquez Sur Le Bouton Pour Démarrer L'Installation Du Logiciel "_qs;

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

// A small medium: the list file, a file for every source it names (the
// program with its run bits), the name file and a stand-in for every runtime
// file.
void poserSupport(const QString& dossier, const QString& nom, const QStringList& fichiers,
                  const QStringList& icones, const QString& groupe = u"Calendrier"_qs) {
    QVERIFY(
        plateforme::reecrire(dossier + u"/Lire.Pie"_qs,
                             QStringList{nom} + fichiers + QStringList{u"[ICONE]"_qs} + icones));
    QVERIFY(plateforme::reecrire(dossier + u"/Broxel.dll"_qs, {groupe}));
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

// A value of string type read back.
QString chaine(const QString& valeur) {
    QString v;
    for (qsizetype i = 0; i < valeur.size(); ++i) {
        if (valeur[i] != u'\\' || i + 1 == valeur.size()) {
            v += valeur[i];
            continue;
        }
        const QChar c = valeur[++i];
        v += c == u's' ? u' ' : c == u'n' ? u'\n' : c == u't' ? u'\t' : c == u'r' ? u'\r' : c;
    }
    return v;
}

// An Exec value read back as a desktop does: the string escapes, then the
// quoting, then the doubled '%'.
QStringList arguments(const QString& exec) {
    const QString v = chaine(exec);
    QStringList args{QString()};
    bool cite = false;
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (cite && v[i] == u'\\' && i + 1 < v.size())
            args.last() += v[++i];
        else if (v[i] == u'"')
            cite = !cite;
        else if (v[i] == u' ' && !cite)
            args << QString();
        else
            args.last() += v[i];
    }
    for (QString& a : args)
        a.replace(u"%%"_qs, u"%"_qs);
    return args;
}

// What `programme` prints, started in `dossier` with `variable` (NAME=value)
// set; its status in `code`.
QStringList executer(const QString& programme, const QStringList& args, const QString& dossier,
                     const QString& variable, int& code) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dossier);
    p.start(programme, args);
    code = p.waitForFinished(60000) ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n');
}

} // namespace

class TestInstallation : public QObject {
    Q_OBJECT

    std::unique_ptr<Bac> bac_;
    std::unique_ptr<Installation> programme_;

    QString support() const { return bac_->chemin(u"support"_qs); }
    QString lecteur(int i) const { return bac_->lecteurs.value(i); }
    Vert& vert() { return programme_->vert(); }

    void lancer(const QString& source) {
        programme_ = std::make_unique<Installation>(bac_->services(source));
        programme_->demarrer();
    }
    // The splash's ticks, one by one, up to the main window.
    void passerSplash() {
        Copyright& splash = programme_->copyright();
        splash.Timer1.stop();
        for (int tic = 1; tic < Copyright::kFinCompteur; ++tic) {
            QVERIFY(splash.isVisible());
            splash.Timer1_Timer();
            QCOMPARE(splash.ProgressBar1.value(), tic);
        }
        QVERIFY(!splash.isVisible());
        QVERIFY(vert().isVisible());
    }
    void jusquAVert(const QString& source) {
        QVERIFY(ecrireLangue(kFrancais));
        lancer(source);
        passerSplash();
    }
    // The drive chosen, its OK, then the button that installs.
    void installer(int lecteur) {
        vert().Drive1.setCurrentIndex(lecteur);
        QVERIFY(cliquer(vert().Disque));
        QVERIFY(cliquer(vert().Installer));
    }
    QString dossierInstalle(int lecteur) const {
        return QDir(this->lecteur(lecteur)).filePath(u"Quivex/Calendrier"_qs);
    }
    // A failure or a refusal: said once, and no marker nor shortcut left.
    void verifierRienDeFait(int lecteur, const QString& nomCite) {
        QCOMPARE(bac_->messages.size(), 1);
        QVERIFY2(bac_->messages[0].contains(nomCite), qPrintable(bac_->messages[0]));
        QVERIFY(!QFileInfo::exists(dossierInstalle(lecteur) + u"/Broxel.dll"_qs));
        QVERIFY(!QFileInfo::exists(dossierGroupe(u"Calendrier"_qs)));
        QVERIFY(vert().Quitte.isVisible());
    }

private slots:
    void init() { bac_ = std::make_unique<Bac>(); }
    void cleanup() {
        programme_.reset();
        bac_.reset();
    }

    void installationDuSupport() {
        jusquAVert(kSupport);
        QCOMPARE(QDir::currentPath(), QDir(kSupport).canonicalPath());
        QCOMPARE(vert().Drive1.count(), 2);
        QVERIFY(vert().Drive1.itemText(1).startsWith(u"D:  "_qs));
        installer(1);
        QCOMPARE(bac_->messages, QStringList());
        QCOMPARE(vert().Label3.text(), kFin);
        QVERIFY(vert().Quitte.isVisible() && !vert().Installer.isVisible());

        // Every listed file and every runtime file, byte for byte, with its
        // permissions.
        const QString dossier = dossierInstalle(1);
        const QStringList liste = plateforme::lireLignes(kSupport + u"/Lire.Pie"_qs);
        QStringList copies;
        for (const QString& l : liste.mid(1, liste.indexOf(u"[ICONE]"_qs) - 1))
            copies << l.left(60).trimmed().replace(u'\\', u'/');
        QVERIFY(copies.contains(u"Images/01 Janvier.jpg"_qs));
        for (const QString& nom : copies + kFichiersExecution + QStringList{u"Lire.Pie"_qs}) {
            const QString installe = dossier + u'/' + nom;
            QCOMPARE(contenu(installe), contenu(kSupport + u'/' + nom));
            QCOMPARE(QFile::permissions(installe), QFile::permissions(kSupport + u'/' + nom));
        }
        QVERIFY(QFileInfo(dossier + u"/calendrier"_qs).isExecutable());
        QCOMPARE(contenu(dossier + u"/Broxel.dll"_qs),
                 (u"Calendrier\r\n"_qs + dossier + u"\r\n 0 \r\n"_qs).toUtf8());

        // The shortcut in the group, in the menu, and what it starts: the
        // program found where its entry says, loading the Qt beside it, as
        // the year to PDF does.
        const auto champs = entree(dossierGroupe(u"Calendrier"_qs) + u"/Calendrier.desktop"_qs);
        QCOMPARE(champs.value(u"Name"_qs), u"Calendrier"_qs);
        QCOMPARE(champs.value(u"Path"_qs), dossier);
        QCOMPARE(champs.value(u"Icon"_qs), dossier + u"/calendrier.png"_qs);
        QCOMPARE(arguments(champs.value(u"Exec"_qs)), QStringList{dossier + u"/calendrier"_qs});
        QVERIFY(contenu(fichierMenuGroupe(u"Calendrier"_qs))
                    .contains("<Filename>Quivex-Calendrier-Calendrier.desktop</Filename>"));
        QCOMPARE(entree(fichierRepertoireGroupe(u"Calendrier"_qs)).value(u"Name"_qs),
                 u"Calendrier"_qs);
        QVERIFY(QDir(dossierDemarrage()).isEmpty());
        int code = 0;
        for (const QString& programme :
             {arguments(champs.value(u"Exec"_qs)).first(), dossier + u"/calendrier-pdf"_qs}) {
            const QStringList qt = executer(programme, {}, champs.value(u"Path"_qs),
                                            u"LD_TRACE_LOADED_OBJECTS=1"_qs, code)
                                       .filter(u"libQt6"_qs);
            QVERIFY(qt.size() >= 3);
            for (const QString& l : qt)
                QVERIFY2(l.contains(u" => "_qs + dossier + u"/libQt6"_qs), qPrintable(l));
        }
        const QString pdf = dossier + u"/2027.pdf"_qs;
        executer(dossier + u"/calendrier-pdf"_qs, {u"2027"_qs, pdf}, dossier,
                 u"QT_QPA_PLATFORM=offscreen"_qs, code);
        QCOMPARE(code, 0);
        QVERIFY(contenu(pdf).startsWith("%PDF"));

        // The plugins too come from beside the program.
        const QString sonde = dossier + u"/sonde"_qs;
        QVERIFY(QFile::copy(QStringLiteral(QUIVEX_SONDE), sonde));
        const QStringList charges = executer(sonde, {dossier + u"/Images/01 Janvier.jpg"_qs},
                                             dossier, u"QT_QPA_PLATFORM=offscreen"_qs, code);
        QCOMPARE(code, 0);
        const QStringList modules = {u"platforms"_qs, u"imageformats"_qs, u"printsupport"_qs,
                                     u"platforminputcontexts"_qs, u"xcbglintegrations"_qs};
        QStringList qt;
        for (const QString& c : charges)
            if (QFileInfo(c).fileName().startsWith(u"libQt6"_qs) ||
                modules.contains(QFileInfo(c).dir().dirName()))
                qt << c;
        for (const QString& attendu :
             {u"libQt6Core.so.6"_qs, u"libQt6Widgets.so.6"_qs, u"platforms/libqoffscreen.so"_qs,
              u"imageformats/libqjpeg.so"_qs, u"printsupport/libcupsprintersupport.so"_qs})
            QVERIFY2(qt.contains(dossier + u'/' + attendu), qPrintable(qt.join(u'\n')));
        for (const QString& c : qt)
            QVERIFY2(c.startsWith(dossier + u'/'), qPrintable(c));
    }

    void deuxFois() {
        poserSupport(support(), u"Calendrier"_qs, kFichiers, {kIcone});
        jusquAVert(support());
        installer(0);
        QCOMPARE(vert().Label3.text(), kFin);
        const QString dossier = dossierInstalle(0);
        // The user's own files, and an installed file damaged since.
        const QStringList propres = {u"Enfant"_qs, u"Fete"_qs, u"SaveCalend/Noel.Ans"_qs};
        for (const QString& f : propres + QStringList{u"Prenoms"_qs})
            QVERIFY(poser(dossier + u'/' + f, f.toUtf8()));
        const QByteArray marqueur = contenu(dossier + u"/Broxel.dll"_qs);

        programme_.reset();
        jusquAVert(support());
        installer(0);
        QCOMPARE(vert().Label3.text(), kFin);
        QCOMPARE(bac_->messages, QStringList());
        QCOMPARE(contenu(dossier + u"/Prenoms"_qs), contenu(support() + u"/Prenoms"_qs));
        for (const QString& f : propres)
            QCOMPARE(contenu(dossier + u'/' + f), f.toUtf8());
        QCOMPARE(contenu(dossier + u"/Broxel.dll"_qs), marqueur);
        QCOMPARE(QDir(dossierGroupe(u"Calendrier"_qs)).entryList(QDir::Files),
                 QStringList{u"Calendrier.desktop"_qs});
        // A line shorter than 60 characters is its own source and name; a
        // target outside the program folder gives its last part.
        QCOMPARE(contenu(dossier + u"/Couleur"_qs), contenu(support() + u"/Couleur"_qs));
        QCOMPARE(contenu(dossier + u"/Calend.html"_qs),
                 contenu(support() + u"/aide/Calend.html"_qs));
    }

    // A medium installed on drive D, its icons in the menu; or refused, with
    // a message citing what is wrong.
    void supports_data() {
        QTest::addColumn<QStringList>("icones");
        QTest::addColumn<QString>("cite"); // nothing: installed
        QTest::addColumn<QStringList>("auDemarrage");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("groupe");
        QTest::addColumn<QString>("disque");
        QTest::addColumn<QStringList>("fichiers");
        const QString c = u"Calendrier"_qs;
        const auto rang = [&](const char* cas, const QStringList& icones, const QString& cite,
                              const QStringList& demarrage = {}, const QString& nom = kNom,
                              const QString& groupe = kNom, const QString& disque = u"D"_qs,
                              const QStringList& fichiers = kFichiers) {
            QTest::newRow(cas) << icones << cite << demarrage << nom << groupe << disque
                               << fichiers;
        };
        QStringList vingtCinq;
        for (int i = 1; i <= 25; ++i)
            vingtCinq << ligne(u"Icone %1"_qs.arg(i), u"Quivex\\Calendrier\\calendrier"_qs);
        rang("25 icones", vingtCinq, {});
        rang("adresse",
             {kIcone, ligne(u"adresse"_qs, u"Quivex\\Calendrier\\Couleur"_qs),
              ligne(u"Adresse bis"_qs, u"Quivex\\Calendrier\\Prenoms"_qs)},
             {}, {u"adresse.desktop"_qs});
        rang("nom en capitales", {ligne(u"ADRESSE"_qs, u"Quivex\\CALENDRIER\\calendrier"_qs)}, {},
             {u"ADRESSE.desktop"_qs}, u"CALENDRIER"_qs);
        rang("disque aux signes", {kIcone}, {}, {}, c, c, u"d i\"s%que $x\\y 'z'"_qs);

        rang("icone sans dossier", {ligne(c, u"calendrier"_qs)}, u"Quivex"_qs);
        rang("aucune icone", {}, u"Quivex"_qs);
        rang("icone d'un autre dossier", {ligne(c, u"Quivex\\Autre\\calendrier"_qs)}, u"Quivex"_qs);
        rang("icone plus bas", {ligne(c, u"Quivex\\Calendrier\\bin\\x"_qs)}, u"Quivex"_qs);
        rang("icone nommee a/b", {kIcone, ligne(u"a/b"_qs, u"Quivex\\Calendrier\\calendrier"_qs)},
             u"a/b"_qs);
        rang("nom avec /", {kIcone}, u"Cal/endrier"_qs, {}, u"Cal/endrier"_qs);
        rang("nom ..", {kIcone}, u"« .. »"_qs, {}, u".."_qs);
        rang("nom vide", {kIcone}, u"«  »"_qs, {}, u"   "_qs);
        rang("groupe ..", {kIcone}, u"« .. »"_qs, {}, c, u".."_qs);
        rang("disque hors code", {kIcone}, u"日历"_qs, {}, c, c, u"日历"_qs);
        const QString sortie = ligne(u"Prenoms"_qs, u"Quivex\\Calendrier\\..\\..\\x"_qs);
        rang("fichier hors du dossier", {kIcone}, sortie.trimmed(), {}, c, c, u"D"_qs,
             kFichiers + QStringList{sortie});
    }
    void supports() {
        QFETCH(QStringList, icones);
        QFETCH(QString, cite);
        QFETCH(QStringList, auDemarrage);
        QFETCH(QString, nom);
        QFETCH(QString, groupe);
        QFETCH(QString, disque);
        QFETCH(QStringList, fichiers);
        bac_->lecteurs[1] = bac_->chemin(disque);
        QVERIFY(QDir().mkpath(bac_->lecteurs[1]));
        poserSupport(support(), nom, fichiers, icones, groupe);
        jusquAVert(support());
        installer(1);
        if (!cite.isEmpty()) {
            verifierRienDeFait(1, cite);
            QVERIFY(QDir(lecteur(1)).isEmpty());
            QCOMPARE(vert().Label3.text(), kPret);
            QVERIFY(vert().Installer.isEnabled());
            return;
        }
        QCOMPARE(bac_->messages, QStringList());
        QCOMPARE(vert().Label3.text(), kFin);
        const QString dossier = dossierInstalle(1);
        const QDir dossierMenu(dossierGroupe(u"Calendrier"_qs));
        QCOMPARE(dossierMenu.entryList(QDir::Files).size(), icones.size());
        const QByteArray menu = contenu(fichierMenuGroupe(u"Calendrier"_qs));
        for (const QString& icone : icones) {
            const QString nomIcone = colonneGauche(icone);
            const auto champs = entree(dossierMenu.filePath(nomIcone + u".desktop"_qs));
            const QString cible = dossier + u'/' + composants(colonneDroite(icone)).last();
            QVERIFY(QFileInfo::exists(cible));
            QCOMPARE(arguments(champs.value(u"Exec"_qs)), QStringList{cible});
            QCOMPARE(chaine(champs.value(u"Path"_qs)), dossier);
            QVERIFY(menu.contains(
                (u"Quivex-Calendrier-"_qs + nomIcone + u".desktop</Filename>"_qs).toUtf8()));
        }
        QCOMPARE(QDir(dossierDemarrage()).entryList(QDir::Files), auDemarrage);
    }

    void langue_data() {
        QTest::addColumn<QString>("fichier"); // nothing: no language file
        QTest::addColumn<int>("choix");       // -1: a typed text
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("francais");
        QTest::newRow("OK tel quel") << QString() << 0 << u"Français"_qs << true;
        QTest::newRow("English") << QString() << 1 << u"English"_qs << false;
        QTest::newRow("texte tape") << QString() << -1 << u"Deutsch"_qs << false;
        QTest::newRow("fichier existant") << u"Français"_qs << 0 << u"Français"_qs << true;
        QTest::newRow("fichier autre") << u"Espanol"_qs << 0 << u"Espanol"_qs << false;
    }
    void langue() {
        QFETCH(QString, fichier);
        QFETCH(int, choix);
        QFETCH(QString, texte);
        QFETCH(bool, francais);
        poserSupport(support(), u"Calendrier"_qs, kFichiers, {kIcone});
        if (!fichier.isNull())
            QVERIFY(ecrireLangue(fichier));
        lancer(support());
        Language& language = programme_->language();
        QCOMPARE(language.isVisible(), fichier.isNull());
        if (fichier.isNull()) {
            QVERIFY(!programme_->copyright().isVisible());
            QCOMPARE(language.Combo1.currentText(), u"Français"_qs);
            if (choix >= 0) {
                language.Combo1.setCurrentIndex(choix);
            } else {
                language.Combo1.clearEditText();
                QTest::keyClicks(language.Combo1.lineEdit(), texte);
            }
            QVERIFY(cliquer(language.Command1));
            QVERIFY(!language.isVisible());
            QCOMPARE(plateforme::lireLignes(cheminLangue()), QStringList{texte});
        }
        QCOMPARE(programme_->copyright().LabelVersion.text(),
                 QStringLiteral("Version " QUIVEX_VERSION_ESSAI));
        passerSplash();
        QVERIFY(!vert().Quitte.isVisible() && !vert().Installer.isVisible());
        installer(0);
        QCOMPARE(vert().Label3.text(), francais ? kFin : u"The INSTALLATION IT PASS WELL"_qs);
        QVERIFY(cliquer(vert().Quitte));
        QVERIFY(bac_->fini);
        QVERIFY(!vert().isVisible() && !programme_->fond().isVisible());
        QVERIFY(QFileInfo::exists(cheminLangue()) && QFileInfo::exists(cheminForme()));
    }

    // A list file that cannot be read stops at the drive; a file that cannot
    // be copied, at the install.
    void copieImpossible_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("liste absente") << u"absente"_qs << u"Lire.Pie"_qs;
        QTest::newRow("liste dossier") << u"dossier"_qs << u"Lire.Pie"_qs;
        QTest::newRow("liste vide") << u"vide"_qs << u"Lire.Pie"_qs;
        QTest::newRow("source absente") << u"absente"_qs << u"Prenoms"_qs;
        QTest::newRow("dossier a sa place") << u"dossier"_qs << u"Prenoms"_qs;
        QTest::newRow("disque plein") << u"plein"_qs << u"calendrier"_qs;
        QTest::newRow("dossier en lecture seule") << u"lecture"_qs << u"calendrier"_qs;
        QTest::newRow("execution absente") << u"absente"_qs << kFichiersExecution[2];
    }
    void copieImpossible() {
        QFETCH(QString, cas);
        QFETCH(QString, fichier);
        if (cas == u"lecture"_qs && geteuid() == 0)
            QSKIP("permissions do not hold for root");
        poserSupport(support(), u"Calendrier"_qs, kFichiers, {kIcone});
        const QString dossier = dossierInstalle(1);
        const QString liste = support() + u"/Lire.Pie"_qs;
        if (cas == u"absente"_qs)
            QVERIFY(QFile::remove(support() + u'/' + fichier));
        if (cas == u"dossier"_qs)
            QVERIFY(fichier == u"Prenoms" ? QDir().mkpath(dossier + u"/Prenoms"_qs)
                                          : QFile::remove(liste) && QDir().mkpath(liste));
        if (cas == u"vide"_qs)
            QVERIFY(poser(liste, {}));
        if (cas == u"lecture"_qs) {
            QVERIFY(QDir().mkpath(dossier));
            QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner);
        }
        if (fichier == u"Lire.Pie") {
            jusquAVert(support());
            QVERIFY(cliquer(vert().Disque));
            QCOMPARE(bac_->messages.size(), 1);
            QVERIFY(bac_->messages[0].contains(liste));
            QVERIFY(vert().Drive1.isVisible() && vert().Disque.isVisible());
            QVERIFY(!vert().Installer.isVisible() && !vert().Frame1.isVisible());
            return;
        }
        jusquAVert(support());
        rlimit ancienne{};
        getrlimit(RLIMIT_FSIZE, &ancienne);
        const auto signalAncien = std::signal(SIGXFSZ, SIG_IGN);
        if (cas == u"plein"_qs) {
            rlimit limite = ancienne;
            limite.rlim_cur = 1000;
            QVERIFY(setrlimit(RLIMIT_FSIZE, &limite) == 0);
        }
        installer(1);
        setrlimit(RLIMIT_FSIZE, &ancienne);
        std::signal(SIGXFSZ, signalAncien);
        QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        verifierRienDeFait(1, support() + u'/' + fichier);
        QCOMPARE(vert().Label3.text(), kEchec);
        QVERIFY(!vert().Installer.isVisible());
        QVERIFY(!QFileInfo(dossier + u'/' + fichier).isFile());
    }

    void lecteursDuSysteme() {
        const QStringList lecteurs = installation::lecteursDuSysteme();
        QCOMPARE(lecteurs.value(0), bac_->chemin(u"maison"_qs));
        QVERIFY(lecteurs.size() <= 24);
        QCOMPARE(QSet<QString>(lecteurs.cbegin(), lecteurs.cend()).size(), lecteurs.size());
        for (const QString& l : lecteurs)
            QVERIFY2(QFileInfo(l).isDir() && QFileInfo(l).isWritable(), qPrintable(l));
    }

    void dossierProgramme_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("dossier");
        QTest::newRow("capitales") << u"CALENDRIER"_qs << u"Calendrier"_qs;
        QTest::newRow("minuscules") << u"calendrier"_qs << u"calendrier"_qs;
        QTest::newRow("blancs autour") << u"  Calendrier  "_qs << u"Calendrier"_qs;
        QTest::newRow("accents") << u"ÉTÉ"_qs << u"Été"_qs;
    }
    void dossierProgramme() {
        QFETCH(QString, nom);
        QFETCH(QString, dossier);
        QCOMPARE(installation::dossierProgramme(nom), dossier);
    }
};

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
