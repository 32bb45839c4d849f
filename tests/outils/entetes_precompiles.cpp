// SPDX-License-Identifier: GPL-3.0-or-later
// Exécutable vide : il compile l'en-tête précompilé que reprennent les
// exécutables de tests de sa famille (cmake/entetes_precompiles.cmake).
int main()
{
    return 0;
}
