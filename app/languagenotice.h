#ifndef LANGUAGENOTICE_H
#define LANGUAGENOTICE_H

#include <QObject>

// The one notification that the interface language changed. The language
// switcher announces it after installing a translator; models and painted
// items whose texts depend on the language re-announce them on it, instead of
// each filtering every event of the application.
class LanguageNotice : public QObject
{
    Q_OBJECT
public:
    static LanguageNotice *instance();
    void announce() { emit languageChanged(); }

signals:
    void languageChanged();

private:
    LanguageNotice() = default;
};

#endif
