// A scratch folder for file tests: unique per instance, removed with it.
#pragma once

#include <afx.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        auto base = std::filesystem::temp_directory_path();
        do {
            m_path =
                base / ("dovuv32-test-" + std::to_string(Seed()) + "-" + std::to_string(++counter));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    // The full name of an entry, with the platform's own separators, in the
    // build's characters.
    std::basic_string<TCHAR> operator/(const std::string& name) const {
        return (m_path / name).string<TCHAR>();
    }

    // Writes bytes exactly as given (no line-end translation).
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // Reads the stored bytes of a file.
    std::string Read(const std::string& name) const {
        std::ifstream in(m_path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    void MakeFolder(const std::string& name) const {
        std::filesystem::create_directories(m_path / name);
    }

private:
    static long Seed() {
        return static_cast<long>(
            std::filesystem::file_time_type::clock::now().time_since_epoch().count() % 1000000007);
    }
    std::filesystem::path m_path;
};
