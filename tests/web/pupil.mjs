// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What a pupil sees and presses in bexalo's windows, in client pixels (the same places as the
// desktop end-to-end tests): the start window's buttons, and for each exercise window its
// "+" buttons, verify, "No", and where the target number and the verdicts show. The places come
// from the windows' design tables, as the Linux build's write_form_designs writes them.
import { execFileSync } from "node:child_process";
import { existsSync } from "node:fs";
import path from "node:path";
import { px, root } from "./lib.mjs";

const DESIGNS = (() => {
  const tool = path.join(process.env.BEXALO_BUILD || path.join(root, "build"), "write_form_designs");
  if (!existsSync(tool)) throw new Error(`${tool} is missing: build the Linux build first (./test does)`);
  return JSON.parse(execFileSync(tool, { encoding: "utf8" }));
})();

// A control of a window's design (twips; x and y from the client area), by its name, Name(i)
// in a control array.
function design(form, name) {
  const control = DESIGNS[form]?.controls[name];
  if (!control) throw new Error(`the design of ${form} has no control ${name}`);
  return control;
}
// Its centre, and its box with the colour looked for there.
const centre = (form, name) => {
  const c = design(form, name);
  return [px(c.x + Math.floor(c.width / 2)), px(c.y + Math.floor(c.height / 2))];
};
const box = (colour, form, name) => {
  const c = design(form, name);
  return [colour, px(c.x), px(c.y), px(c.width), px(c.height)];
};

export const START = {
  picture: centre("FrmInizio", "Option1(0)"), // "Dal grafico all'abaco"
  abacus: centre("FrmInizio", "Option1(1)"), // "Dall'abaco al grafico"
  level1: centre("FrmInizio", "Option2(0)"), // "da    u"
  level2: centre("FrmInizio", "Option2(1)"), // "h   da   u"
  vai: centre("FrmInizio", "Option3(0)"),
  esci: centre("FrmInizio", "Option3(2)"),
};

const avanti = design("frmOperativo1", "CmdOperazione");
export const OP1 = {
  plus: {
    h: centre("frmOperativo1", "CmdContaHp"),
    da: centre("frmOperativo1", "CmdContaDap"),
    u: centre("frmOperativo1", "CmdContaUp"),
  },
  verify: centre("frmOperativo1", "CmdVerifica"),
  no: centre("frmOperativo1", "Cmdno"),
  // "CORRETTO", the right-answer count, the help offer, "A V A N T I" (a square of its face),
  // the verdict label
  corretto: box("#C04000", "frmOperativo1", "Label8"),
  esatte: box("#0000FF", "frmOperativo1", "lblRisEsatte"),
  help: box("#FFFF80", "frmOperativo1", "LblAiuto"),
  avanti: ["#FFC080", px(avanti.x) + 6, px(avanti.y) + 6, 20, 20],
  esito: box("#000000", "frmOperativo1", "LblEsito"),
};

export const OP2 = {
  plus: {
    h: centre("FrmOperativo2", "CmdContaHp"),
    da: centre("FrmOperativo2", "CmdContaDap"),
    u: centre("FrmOperativo2", "CmdContaUp"),
  },
  verify: centre("FrmOperativo2", "CmdVerifica"),
  no: centre("FrmOperativo2", "Cmdno"),
  esatte: box("#0000FF", "FrmOperativo2", "lblRisEsatte"),
  help: box("#FFFF80", "FrmOperativo2", "LblAiuto"),
  esito: box("#0000FF", "FrmOperativo2", "LblEsito"),
};

// Where the nine elements of a control array are probed: a picture at its centre or near its
// top-left corner, a bead (elements 1 to 9, 1 the lowest) a little right of its left edge,
// half-way down.
const nine = (probe) => Array.from({ length: 9 }, (_, i) => probe(i));
const corner = (c) => [px(c.x + 8), px(c.y + 8)];
const beads = (form, rod) => nine((i) => {
  const c = design(form, `${rod}(${i + 1})`);
  return [px(c.x + 60), px(c.y + Math.floor(c.height / 2))];
});
const PICTURES = {
  u: nine((i) => centre("frmOperativo1", `ImageU(${i})`)),
  da: nine((i) => corner(design("frmOperativo1", `ImageDA(${i})`))),
  h: nine((i) => corner(design("frmOperativo1", `ImageH(${i})`))),
};
const BEADS_OP2 = { h: beads("FrmOperativo2", "Picture21"), da: beads("FrmOperativo2", "Picture11"), u: beads("FrmOperativo2", "Picture1") };
const UNIT_BEADS_OP1 = beads("frmOperativo1", "Picture1");

// Pictures in each column of frmOperativo1.
export function readPictures(session, shot) {
  const seen = { h: 0, da: 0, u: 0 };
  for (let i = 0; i < 9; i++) {
    if (session.pixel(shot, "op1", ...PICTURES.u[i]) === "#0080FF") seen.u++;
    if (session.pixel(shot, "op1", ...PICTURES.da[i]) === "#FF0080") seen.da++;
    if (session.pixel(shot, "op1", ...PICTURES.h[i]) === "#FF0000") seen.h++;
  }
  return seen;
}

// Beads on each rod of FrmOperativo2's abacus.
export function readBeads(session, shot) {
  const seen = { h: 0, da: 0, u: 0 };
  for (let n = 0; n < 9; n++) {
    if (session.pixel(shot, "op2", ...BEADS_OP2.h[n]) === "#0000C0") seen.h++;
    if (session.pixel(shot, "op2", ...BEADS_OP2.da[n]) === "#FF0000") seen.da++;
    if (session.pixel(shot, "op2", ...BEADS_OP2.u[n]) === "#80FFFF") seen.u++;
  }
  return seen;
}

// Unit beads on frmOperativo1's abacus.
export function unitBeadsOp1(session, shot) {
  return UNIT_BEADS_OP1.filter(([x, y]) => session.pixel(shot, "op1", x, y) === "#80FFFF").length;
}

export const WINDOWS = {
  op1: { ui: OP1, read: readPictures },
  op2: { ui: OP2, read: readBeads },
};

export function shows(session, shot, kind, [colour, x, y, w, h]) {
  return session.has(shot, kind, colour, x, y, w, h);
}

// A point on a button's face beside its caption (its centre is often on a letter).
export const face = ([x, y]) => [x - 14, y - 9];
