#include "text/program_language.h"

CString& ProgramLanguage()
{
    static CString code;
    return code;
}
