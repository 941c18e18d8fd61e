// A small host for trying the folder tree by hand: it embeds the control by its
// identity, as the picture windows do, and shows what the control reports.

#include "plateforme/fenetres/composant.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString titre = QStringLiteral("Essai d'Arbrovue");
    QWidget fenetre;
    fenetre.setWindowTitle(titre);

    QString erreur;
    QWidget* arbre = plateforme::creerComposant(
        u"VeskArbrovue.Arbrovue"_qs, QCoreApplication::applicationDirPath(), &fenetre, &erreur);
    if (!arbre) {
        QMessageBox::critical(nullptr, titre, erreur);
        return 1;
    }

    auto* racine = new QComboBox;
    const std::pair<QString, int> racines[] = {
        {u"Bureau"_qs, 0},        {u"Mes documents"_qs, 5}, {u"Poste de travail"_qs, 17},
        {u"Reseau"_qs, 18},       {u"Windows"_qs, 36},      {u"System32"_qs, 37},
        {u"Program Files"_qs, 38}};
    for (const auto& [nom, valeur] : racines)
        racine->addItem(nom, valeur);
    racine->setCurrentIndex(2);
    auto* chemin = new QLineEdit(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::homePath());
    auto* etat = new QLabel;
    etat->setWordWrap(true);

    auto* mise = new QVBoxLayout(&fenetre);
    mise->addWidget(racine);
    mise->addWidget(chemin);
    mise->addWidget(arbre, 1);
    mise->addWidget(etat);

    const auto montrer = [arbre, etat](const QString& evenement) {
        etat->setText(evenement + u" — Chemin : "_qs + arbre->property("Chemin").toString());
    };
    QObject::connect(racine, &QComboBox::activated, arbre, [arbre, racine](int rang) {
        arbre->setProperty("Root", racine->itemData(rang));
    });
    QObject::connect(chemin, &QLineEdit::returnPressed, arbre,
                     [arbre, chemin] { arbre->setProperty("Chemin", chemin->text()); });
    plateforme::surEvenement(arbre, "Click", &fenetre, [montrer] { montrer(u"Click"_qs); });
    plateforme::surEvenement(arbre, "Change", &fenetre, [montrer] { montrer(u"Change"_qs); });

    arbre->setProperty("Root", 17);
    arbre->setProperty("Chemin", chemin->text());
    fenetre.resize(420, 560);
    fenetre.show();
    return app.exec();
}
