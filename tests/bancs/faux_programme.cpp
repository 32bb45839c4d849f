// SPDX-License-Identifier: GPL-3.0-or-later
// Un faux programme de la suite, pour les essais du lanceur sous Windows (où
// un script ne se lance pas comme un programme). Copié sous le nom d'un
// programme (gresil.exe), il fait ce que dit le fichier de même nom en .txt
// à côté de lui :
//   « erreur <code> <ligne> » : écrit la ligne, puis « suite », sur sa sortie
//                               d'erreur et s'arrête avec ce code ;
//   « tourne »                : attend 30 s.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char **argv)
{
    if (argc < 1)
        return 99;
    std::ifstream consigne{std::filesystem::path(argv[0]).replace_extension(".txt")};
    std::string mot;
    consigne >> mot;
    if (mot == "erreur") {
        int code = 0;
        std::string ligne;
        consigne >> code >> std::ws;
        std::getline(consigne, ligne);
        std::fprintf(stderr, "%s\nsuite\n", ligne.c_str());
        return code;
    }
    if (mot == "tourne") {
        std::this_thread::sleep_for(std::chrono::seconds(30));
        return 0;
    }
    return 98;
}
