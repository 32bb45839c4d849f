// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Boîte « Fusible » : le fusible du primaire a fondu. Tant qu'elle est ouverte,
// la fenêtre du banc est désactivée ; la fermer, par son bouton ou par la
// fenêtre elle-même, remet le fusible et rend la main au banc.

#include "feuille.h"

#include <functional>

class Fusible : public Feuille
{
    Q_OBJECT
public:
    // « fusible_remplace » s'exécute une fois, quand la boîte se ferme.
    explicit Fusible(std::function<void()> fusible_remplace);

    void Command1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<void()> fusible_remplace_;
};
