// Linked into every test executable.
//
// Qt's image threads (its pool for large conversions and scaling) are joined
// when the application object goes, but each still has its own exit to end:
// a leak check at the process's exit that meets one halfway out counts the
// thread's data as lost. A test waits for them before that check.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

bool filsDeQtEnSortie() {
    std::error_code erreur;
    for (std::filesystem::directory_iterator fil("/proc/self/task", erreur), fin;
         !erreur && fil != fin; fil.increment(erreur)) {
        std::ifstream comm(fil->path() / "comm");
        std::string nom;
        std::getline(comm, nom);
        if (nom == "Thread (pooled)")
            return true;
    }
    return false;
}

struct AttenteDesFils {
    AttenteDesFils() = default;
    AttenteDesFils(const AttenteDesFils&) = delete;
    AttenteDesFils& operator=(const AttenteDesFils&) = delete;
    ~AttenteDesFils() {
        using namespace std::chrono_literals;
        for (std::chrono::milliseconds reste = 5s; reste > 0s && filsDeQtEnSortie(); reste -= 10ms)
            std::this_thread::sleep_for(10ms);
    }
} attente;

} // namespace
