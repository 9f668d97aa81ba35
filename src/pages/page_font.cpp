#include "pages/page_font.h"

#include "skin/language_fonts.h"
#include "text/program_language.h"

BOOL CreatePageFont(CFont& font)
{
    return font.CreateFont(13, 0, 0, 0, 0, FALSE, FALSE, FALSE, 0, 0, 0, 0, FF_SWISS,
                           HeiTiOrArialFace(ProgramLanguage()));
}
