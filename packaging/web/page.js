// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

"use strict";
const caricamento = document.getElementById("caricamento");
const errore = document.getElementById("errore");
const fine = document.getElementById("fine");
const schermo = document.getElementById("schermo");
function mostra(elemento) {
  for (const e of [caricamento, errore, fine, schermo])
    e.hidden = e !== elemento;
}
// Called by the program when its last window has gone.
function bexaloProgramEnded() {
  mostra(fine);
  document.getElementById("ricomincia").focus();
}
document.getElementById("ricomincia").addEventListener("click", () => location.reload());
loadBexalo({
  canvas: schermo,
  showCanvas: () => mostra(schermo),
  showError: (testo) => {
    if (typeof testo === "string" && testo)
      document.getElementById("testo-errore").textContent =
        "bexalo non si può avviare in questo browser (" + testo + ").";
    mostra(errore);
  },
  ended: () => bexaloProgramEnded(),
});
