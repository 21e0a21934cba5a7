// The secure C runtime's sprintf_s and sscanf_s for C libraries that lack
// them. Their contract, as the platform documents it when the invalid-
// parameter handler returns: errors give -1 (EOF) and an empty buffer, and no
// write goes past a size the caller gave.
//
// sscanf_s hands each conversion to the C library's sscanf and adds the size
// checks. Supported: every standard conversion with the standard length
// modifiers; %s, %c and %[ into char buffers, each followed by its size as an
// unsigned argument. Not supported: wide-character targets (%ls, %lc, %S, %C)
// and the I64 size prefix; they end the scan as a matching failure.
#include <afx.h>

#include <ctype.h>
#include <errno.h>
#include <stdint.h>

#include <string>

extern "C" int vsprintf_s(char* buffer, size_t sizeOfBuffer, const char* format, va_list args) {
    if (buffer == NULL || sizeOfBuffer == 0) {
        errno = EINVAL;
        return -1;
    }
    if (format == NULL) {
        buffer[0] = '\0';
        errno = EINVAL;
        return -1;
    }
    int n = vsnprintf(buffer, sizeOfBuffer, format, args);
    if (n < 0 || static_cast<size_t>(n) >= sizeOfBuffer) {
        buffer[0] = '\0';
        errno = n < 0 ? EINVAL : ERANGE;
        return -1;
    }
    return n;
}

extern "C" int sprintf_s(char* buffer, size_t sizeOfBuffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int n = vsprintf_s(buffer, sizeOfBuffer, format, args);
    va_end(args);
    return n;
}

namespace {

// One conversion field of a scanf format.
struct ScanField {
    const char* begin; // at '%'
    const char* end;   // just past the conversion character (or the set's ']')
    bool bSuppress;
    int nWidth; // 0: none given
    std::string length;
    char conversion;
    const char* set; // for '[': from '[' to the end
};

// Parses the field at p ('%'); false for a malformed one.
bool ParseField(const char* p, ScanField& field) {
    field.begin = p++;
    field.bSuppress = *p == '*';
    if (field.bSuppress)
        ++p;
    field.nWidth = 0;
    while (isdigit(static_cast<unsigned char>(*p)))
        field.nWidth = field.nWidth * 10 + (*p++ - '0');
    field.length.clear();
    while (*p != '\0' && strchr("hlLjzt", *p) != NULL)
        field.length += *p++;
    field.conversion = *p;
    if (*p == '\0')
        return false;
    field.set = p++;
    if (field.conversion == '[') {
        if (*p == '^')
            ++p;
        if (*p == ']')
            ++p;
        while (*p != '\0' && *p != ']')
            ++p;
        if (*p != ']')
            return false;
        ++p;
    }
    field.end = p;
    return true;
}

const char* SkipSpace(const char* s) {
    while (isspace(static_cast<unsigned char>(*s)))
        ++s;
    return s;
}

void StoreCount(const ScanField& field, void* pDest, ptrdiff_t n) {
    const std::string& len = field.length;
    if (len == "hh")
        *static_cast<signed char*>(pDest) = static_cast<signed char>(n);
    else if (len == "h")
        *static_cast<short*>(pDest) = static_cast<short>(n);
    else if (len == "l")
        *static_cast<long*>(pDest) = static_cast<long>(n);
    else if (len == "ll")
        *static_cast<long long*>(pDest) = n;
    else if (len == "j")
        *static_cast<intmax_t*>(pDest) = n;
    else if (len == "z")
        *static_cast<size_t*>(pDest) = static_cast<size_t>(n);
    else if (len == "t")
        *static_cast<ptrdiff_t*>(pDest) = n;
    else
        *static_cast<int*>(pDest) = static_cast<int>(n);
}

// Runs one conversion through the C library; the number of characters it
// consumed, or -1 when it matched nothing.
int ScanOne(const char* s, const std::string& format, void* pDest) {
    int nConsumed = -1;
    std::string f = format + "%n";
    if (pDest != NULL)
        sscanf(s, f.c_str(), pDest, &nConsumed);
    else
        sscanf(s, f.c_str(), &nConsumed);
    return nConsumed;
}

// Whether the field just read into a full buffer would have gone on.
bool FieldContinues(const ScanField& field, const char* next) {
    if (*next == '\0')
        return false;
    if (field.conversion == 's')
        return !isspace(static_cast<unsigned char>(*next));
    std::string oneMore = "%*1" + std::string(field.set, field.end);
    return ScanOne(next, oneMore, NULL) > 0;
}

// A string conversion with a destination size: the characters consumed, or
// -1 when the field does not match or does not fit (the destination is then
// left empty).
int ScanSized(const char* s, const ScanField& field, char* pDest, unsigned nSize) {
    if (nSize == 0 || field.length == "l")
        return -1;
    std::string conversion(field.set, field.end);
    if (field.conversion == 'c') {
        unsigned nCount = field.nWidth > 0 ? static_cast<unsigned>(field.nWidth) : 1;
        if (nCount > nSize) {
            pDest[0] = '\0';
            return -1;
        }
        return ScanOne(s, "%" + std::to_string(nCount) + conversion, pDest);
    }
    // %s and %[: the field and its terminator must fit. When the buffer, not
    // the width, limits the field, a field that goes on does not fit.
    unsigned nRoom = nSize - 1;
    bool bBufferLimits = field.nWidth == 0 || static_cast<unsigned>(field.nWidth) > nRoom;
    unsigned nLimit = bBufferLimits ? nRoom : static_cast<unsigned>(field.nWidth);
    int nConsumed = -1;
    if (nLimit > 0)
        nConsumed = ScanOne(s, "%" + std::to_string(nLimit) + conversion, pDest);
    if (nLimit == 0 || (bBufferLimits && nConsumed == static_cast<int>(nLimit) &&
                        FieldContinues(field, s + nConsumed))) {
        pDest[0] = '\0';
        return -1;
    }
    return nConsumed;
}

} // namespace

extern "C" int vsscanf_s(const char* buffer, const char* format, va_list args) {
    if (buffer == NULL || format == NULL) {
        errno = EINVAL;
        return EOF;
    }
    const char* s = buffer;
    int nAssigned = 0;
    bool bConverted = false;
    for (const char* f = format; *f != '\0';) {
        if (isspace(static_cast<unsigned char>(*f))) {
            f = SkipSpace(f);
            s = SkipSpace(s);
            continue;
        }
        if (*f != '%' || f[1] == '%') {
            if (*f == '%') {
                s = SkipSpace(s);
                ++f;
            }
            if (*s == '\0')
                return bConverted ? nAssigned : EOF;
            if (*s != *f)
                return nAssigned;
            ++s;
            ++f;
            continue;
        }

        ScanField field;
        if (!ParseField(f, field))
            return nAssigned;
        f = field.end;
        if (field.conversion == 'n') {
            if (!field.bSuppress)
                StoreCount(field, va_arg(args, void*), s - buffer);
            continue;
        }
        if (field.conversion != 'c' && field.conversion != '[')
            s = SkipSpace(s);
        if (*s == '\0')
            return bConverted ? nAssigned : EOF;

        int nConsumed;
        bool bSized = field.conversion == 's' || field.conversion == 'c' || field.conversion == '[';
        if (field.bSuppress) {
            nConsumed = ScanOne(s, std::string(field.begin, field.end), NULL);
        } else if (bSized) {
            char* pDest = va_arg(args, char*);
            unsigned nSize = va_arg(args, unsigned);
            nConsumed = ScanSized(s, field, pDest, nSize);
        } else {
            nConsumed = ScanOne(s, std::string(field.begin, field.end), va_arg(args, void*));
        }
        if (nConsumed < 0)
            return nAssigned;
        s += nConsumed;
        bConverted = true;
        if (!field.bSuppress)
            ++nAssigned;
    }
    return nAssigned;
}

extern "C" int sscanf_s(const char* buffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int n = vsscanf_s(buffer, format, args);
    va_end(args);
    return n;
}
