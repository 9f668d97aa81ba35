#include "app/program_module_path.h"

#include "storage/data_paths.h"

namespace {

CString& OverriddenPath()
{
    static CString path;
    return path;
}

}  // namespace

CString ProgramModulePath()
{
    const CString& overridden = OverriddenPath();
    return overridden.IsEmpty() ? ReadModulePath() : overridden;
}

CString SetProgramModulePath(const CString& path)
{
    CString previous = OverriddenPath();
    OverriddenPath() = path;
    return previous;
}
