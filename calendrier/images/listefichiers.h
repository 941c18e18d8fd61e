#pragma once

// The file list of the picture windows: the regular files of one folder (links
// followed) whose names match a pattern such as "*.jpg;*.bmp", sorted by
// name. A click on an entry, a move with the keys, or a selection made by the
// program all give Click, so that one handler previews whatever was chosen.

#include <QListWidget>
#include <QRegularExpression>
#include <QString>

class ListeFichiers : public QListWidget {
    Q_OBJECT
public:
    explicit ListeFichiers(QWidget* parent = nullptr);

    // Patterns separated by ';', matched without regard to case.
    void setPattern(const QString& pattern);
    QString pattern() const { return pattern_; }

    // Lists the folder anew, with no entry selected; a missing folder lists nothing.
    void setPath(const QString& dossier);
    QString path() const { return dossier_; }

    // The name of the selected file, empty when none is selected.
    QString FileName() const;
    // The full path of the selected file, empty when none is selected.
    QString cheminSelectionne() const;
    int ListCount() const { return count(); }
    // Selects an entry as a user would, which gives Click (even when it was
    // already selected).
    void setListIndex(int index);

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void relire();

    QString pattern_;
    QString dossier_;
    QList<QRegularExpression> motifs_;
    int rangAvantClic_ = -1;
};
