#include "app/languagenotice.h"

LanguageNotice *LanguageNotice::instance()
{
    static LanguageNotice notice;
    return &notice;
}
