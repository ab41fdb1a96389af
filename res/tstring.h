#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The one text object (g_str): turns text ids into texts of the selected
// language, knows the languages this unit offers and switches translator and
// application font between them. Its class name "TString" is the translation
// context of every text the user sees.
class TString : public QObject
{
    Q_OBJECT
public:
    enum { TEXT_COUNT = 577, LANG_COUNT = 22 };

    TString();
    ~TString() override;

    // The text of an id in the language in force; empty for id 180 and for
    // every id outside 0..576.
    QString text(int id) const;

    // Slot 0..21 whose name equals name exactly (empty slots included), or -1.
    int indexOfLanguage(const QString& name) const;
    // Position of name among the offered languages, or -1.
    int availIndexOf(const QString& name) const;
    QStringList languageList() const;
    // Name of the n-th offered language; empty outside the offered range.
    QString languageAt(int n) const;
    // Swaps the translator of oldName for that of newName and sets the
    // application font that suits the new language's script.
    void setLanguage(const QString& newName, const QString& oldName);

    // The application font's pixel size is 12 scaled by the display's scale
    // factor. The resource object owns that factor; main hands its scale
    // operation in here (without one, sizes are unscaled).
    using Scaler = int (*)(int);
    void setScaler(Scaler scaler);

private:
    QTranslator m_translators[LANG_COUNT];
    QString m_langNames[LANG_COUNT];
    Scaler m_scaler;
};
