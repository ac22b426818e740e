#ifndef LANGUAGEFLAG_H
#define LANGUAGEFLAG_H

// The one process-wide language flag: true = Chinese (the start value). The
// project controller sets it; records and controllers read it to choose the
// Chinese or English form of a computed text.
namespace LanguageFlag {

bool isChinese();
void setChinese(bool chinese);

} // namespace LanguageFlag

#endif
