#pragma once
// Scratch files: a private temporary directory removed with everything in
// it, a scoped change of the working directory (the game opens its files
// relative to it), and whole-file reads and writes.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tests-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            m_dir = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        if (!m_dir.empty())
            std::filesystem::remove_all(m_dir, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &dir() const { return m_dir; }
    std::string path(const std::string &name) const { return m_dir + "/" + name; }

    // Writes `text` to the relative path `name`, creating folders on the way.
    std::string write(const std::string &name, const std::string &text) const
    {
        const std::filesystem::path file = path(name);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
        return file.string();
    }

private:
    std::string m_dir;
};

class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::string &dir) : previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(dir);
    }
    ~ScopedWorkingDirectory()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }
    ScopedWorkingDirectory(const ScopedWorkingDirectory &) = delete;
    ScopedWorkingDirectory &operator=(const ScopedWorkingDirectory &) = delete;

private:
    std::filesystem::path previous;
};

inline void writeFile(const std::string &path, const std::vector<unsigned char> &bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

inline void writeFile(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline std::vector<unsigned char> readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string readText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A private copy of the working directory (the run directory the tests run
// in), made the working directory for the object's lifetime: for tests that
// set up the high-score screen, which rewrites the table it finds there.
class PrivateRunDirectory {
public:
    PrivateRunDirectory() : ready(copyHere(copy.dir())), cwd(copy.dir()) {}
    bool isReady() const { return ready; }

private:
    static bool copyHere(const std::string &to)
    {
        std::error_code error;
        std::filesystem::copy(".", to, std::filesystem::copy_options::recursive, error);
        return !error && !to.empty();
    }
    TempDir copy;
    bool ready;
    ScopedWorkingDirectory cwd;
};
