// Writes 20,000 keys into 10,000 sections of one profile file, once with a
// batch and once one value at a time, and prints both times.
#include "profile/ProfileBatch.h"
#include "profile/ProfileFile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void writeAll(qv::ProfileFile& f, int sections)
{
    for (int i = 0; i < sections; ++i) {
        const std::string sec = std::to_string(i / 20) + "-" + std::to_string(i % 20);
        f.writeString(sec, "caption", "Item number " + std::to_string(i));
        f.writeInteger(sec, "typ", i % 14);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int sections = argc > 1 ? std::stoi(argv[1]) : 10000;
    const auto dir = std::filesystem::temp_directory_path() / "quenvar-bench-profile";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);

    const auto t0 = std::chrono::steady_clock::now();
    {
        qv::ProfileBatch batch;
        qv::ProfileFile f(dir / "batch.cfg", &batch);
        writeAll(f, sections);
        batch.flush();
    }
    const auto t1 = std::chrono::steady_clock::now();
    {
        qv::ProfileFile f(dir / "single.cfg");
        writeAll(f, sections);
    }
    const auto t2 = std::chrono::steady_clock::now();

    const double batch = seconds(t1 - t0);
    const double single = seconds(t2 - t1);
    std::printf("profile write, %d keys in %d sections\n", sections * 2, sections);
    std::printf("  batch            %10.3f s\n", batch);
    std::printf("  one at a time    %10.3f s\n", single);
    std::printf("  speed-up         %10.1f x\n", batch > 0 ? single / batch : 0.0);
    std::printf("  same bytes       %s\n",
                std::filesystem::file_size(dir / "batch.cfg") == std::filesystem::file_size(dir / "single.cfg") ? "yes" : "NO");
    std::filesystem::remove_all(dir);
    return 0;
}
