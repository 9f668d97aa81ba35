#include "gdiplus_util.h"

#include <objidl.h>

#include <cwchar>
#include <stdexcept>
#include <string>

namespace skingen {

GdiplusSession::GdiplusSession()
{
    Gdiplus::GdiplusStartupInput input;
    check(Gdiplus::GdiplusStartup(&m_token, &input, nullptr), "start GDI+");
}

GdiplusSession::~GdiplusSession()
{
    Gdiplus::GdiplusShutdown(m_token);
}

void check(Gdiplus::Status status, const char* what)
{
    if (status != Gdiplus::Ok) {
        throw std::runtime_error(std::string("GDI+ failed to ") + what + " (status " +
                                 std::to_string(static_cast<int>(status)) + ")");
    }
}

BitmapBits::BitmapBits(Gdiplus::Bitmap& bitmap, Gdiplus::ImageLockMode mode, Gdiplus::PixelFormat format)
    : m_bitmap(bitmap)
{
    const Gdiplus::Rect all(0, 0, static_cast<INT>(bitmap.GetWidth()), static_cast<INT>(bitmap.GetHeight()));
    check(bitmap.LockBits(&all, static_cast<UINT>(mode), format, &m_data), "lock bitmap bits");
}

BitmapBits::~BitmapBits()
{
    m_bitmap.UnlockBits(&m_data);
}

namespace {

CLSID pngEncoder()
{
    UINT count = 0;
    UINT bytes = 0;
    check(Gdiplus::GetImageEncodersSize(&count, &bytes), "list encoders");
    std::vector<std::uint8_t> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    check(Gdiplus::GetImageEncoders(count, bytes, codecs), "list encoders");
    for (UINT i = 0; i < count; ++i) {
        if (std::wcscmp(codecs[i].MimeType, L"image/png") == 0) {
            return codecs[i].Clsid;
        }
    }
    throw std::runtime_error("GDI+ has no PNG encoder");
}

// An IStream in memory, released when the object goes.
class MemoryStream {
public:
    MemoryStream()
    {
        if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &m_stream))) {
            throw std::runtime_error("cannot create a memory stream");
        }
    }
    ~MemoryStream() { m_stream->Release(); }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    IStream* get() const { return m_stream; }

    std::vector<std::uint8_t> bytes() const
    {
        STATSTG stat{};
        m_stream->Stat(&stat, STATFLAG_NONAME);
        std::vector<std::uint8_t> out(static_cast<std::size_t>(stat.cbSize.QuadPart));
        const LARGE_INTEGER start{};
        m_stream->Seek(start, STREAM_SEEK_SET, nullptr);
        ULONG read = 0;
        m_stream->Read(out.data(), static_cast<ULONG>(out.size()), &read);
        if (read != out.size()) {
            throw std::runtime_error("cannot read back the encoded picture");
        }
        return out;
    }

private:
    IStream* m_stream = nullptr;
};

}  // namespace

std::vector<std::uint8_t> saveAsPng(Gdiplus::Bitmap& bitmap)
{
    static const CLSID encoder = pngEncoder();
    MemoryStream stream;
    check(bitmap.Save(stream.get(), &encoder, nullptr), "encode PNG");
    return stream.bytes();
}

}  // namespace skingen
