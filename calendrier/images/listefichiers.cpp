#include "calendrier/images/listefichiers.h"

#include <QDir>
#include <QMouseEvent>
#include <algorithm>

ListeFichiers::ListeFichiers(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int rang) {
        if (rang >= 0)
            emit Click();
    });
    // A click on the entry already selected changes no row but is a choice all the same.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (row(item) == rangAvantClic_)
            emit Click();
    });
}

void ListeFichiers::setPattern(const QString& pattern) {
    pattern_ = pattern;
    motifs_.clear();
    for (const QString& motif : pattern.split(u';', Qt::SkipEmptyParts))
        motifs_ << QRegularExpression(
            QRegularExpression::wildcardToRegularExpression(motif.trimmed()),
            QRegularExpression::CaseInsensitiveOption);
    relire();
}

void ListeFichiers::setPath(const QString& dossier) {
    dossier_ = dossier;
    relire();
}

void ListeFichiers::relire() {
    const QSignalBlocker silence(this);
    clear();
    if (dossier_.isEmpty())
        return;
    QStringList noms;
    for (const QFileInfo& entree : QDir(dossier_).entryInfoList(QDir::Files | QDir::Readable)) {
        // Regular files only, a link followed: a link to a FIFO or a device
        // passes as a file, and would block or never end when opened.
        const QString nom = entree.fileName();
        if (entree.isFile() &&
            std::any_of(motifs_.cbegin(), motifs_.cend(),
                        [&nom](const QRegularExpression& m) { return m.match(nom).hasMatch(); }))
            noms << nom;
    }
    std::sort(noms.begin(), noms.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    addItems(noms);
    // Set through the view: focus then gives the list no entry of its own
    // accord, which would be taken for a choice.
    setCurrentIndex(QModelIndex());
}

QString ListeFichiers::FileName() const {
    // The current entry is the choice: the view makes it current before it
    // marks it selected, and Click comes in between.
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

QString ListeFichiers::cheminSelectionne() const {
    const QString nom = FileName();
    return nom.isEmpty() ? QString() : QDir(dossier_).filePath(nom);
}

void ListeFichiers::setListIndex(int index) {
    if (index < 0 || index >= count())
        return;
    if (currentRow() == index) {
        item(index)->setSelected(true);
        emit Click();
        return;
    }
    setCurrentRow(index);
}

void ListeFichiers::mousePressEvent(QMouseEvent* event) {
    rangAvantClic_ = currentRow();
    QListWidget::mousePressEvent(event);
}
