// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// What a pupil sees and presses in bexalo's windows, in client pixels (the same places as the
// desktop end-to-end tests): the start window's buttons, and for each exercise window its
// "+" buttons, verify, "No", and where the target number and the verdicts show.
import { px } from "./lib.mjs";

export const START = {
  picture: [131, 291], // "Dal grafico all'abaco"
  abacus: [131, 385], // "Dall'abaco al grafico"
  level1: [378, 289], // "da    u"
  level2: [378, 384], // "h   da   u"
  vai: [627, 282],
  esci: [627, 410],
};

export const OP1 = {
  plus: { h: [584, 403], da: [626, 403], u: [668, 403] },
  verify: [669, 513],
  no: [614, 535],
  // "CORRETTO", the right-answer count, the help offer, "A V A N T I", the verdict label
  corretto: ["#C04000", 699, 329, 91, 19],
  esatte: ["#0000FF", 283, 527, 54, 32],
  help: ["#FFFF80", 558, 476, 222, 37],
  avanti: ["#FFC080", 557, 471, 20, 20],
  esito: ["#000000", 5, 482, 204, 80],
};

export const OP2 = {
  plus: { h: [591, 400], da: [633, 400], u: [675, 400] },
  verify: [670, 504],
  no: [612, 531],
  esatte: ["#0000FF", 288, 524, 54, 32],
  help: ["#FFFF80", 556, 474, 222, 37],
  esito: ["#0000FF", 2, 487, 215, 72],
};

// Pictures in each column of frmOperativo1 at the first exercise (columns in design order).
const UNIT_TOPS = [270, 585, 900, 1200, 1515, 1800, 2115, 2475, 2775];
const TENS_LEFTS = [75, 60, 75, 75, 75, 75, 90, 75, 75];
const TENS_TOPS = [270, 645, 1050, 1485, 1890, 2280, 2655, 3000, 3345];
const HUNDRED_PLACES = [[90, 75], [1950, 75], [3780, 75], [90, 2010], [1950, 2010], [3795, 2010],
  [105, 3945], [1950, 3945], [3795, 3945]];

export function readPictures(session, shot) {
  const seen = { h: 0, da: 0, u: 0 };
  for (let i = 0; i < 9; i++) {
    if (session.pixel(shot, "op1", px(90 + 150 + 165), px(975 + UNIT_TOPS[i] + 135)) === "#0080FF") seen.u++;
    if (session.pixel(shot, "op1", px(6495 + TENS_LEFTS[i] + 8), px(975 + TENS_TOPS[i] + 8)) === "#FF0080") seen.da++;
    const [l, t] = HUNDRED_PLACES[i];
    if (session.pixel(shot, "op1", px(795 + l + 8), px(975 + t + 8)) === "#FF0000") seen.h++;
  }
  return seen;
}

// The tops of the nine unit beads on either abacus (twips, from the abacus frame).
const U_T = [4440, 3945, 3465, 2970, 2490, 2010, 1515, 1020, 540];

// Beads on each rod of FrmOperativo2's abacus, probed beside the red rods.
export function readBeads(session, shot) {
  const H_T = [4455, 3960, 3480, 2985, 2505, 2025, 1530, 1035, 555];
  const DA_T = [4455, 3960, 3450, 2985, 2490, 2010, 1530, 1035, 555];
  const seen = { h: 0, da: 0, u: 0 };
  for (let n = 0; n < 9; n++) {
    if (session.pixel(shot, "op2", px(8505 + 180 + 60), px(435 + H_T[n] + 247)) === "#0000C0") seen.h++;
    if (session.pixel(shot, "op2", px(8505 + 720 + 60), px(435 + DA_T[n] + 247)) === "#FF0000") seen.da++;
    if (session.pixel(shot, "op2", px(8505 + 1290 + 60), px(435 + U_T[n] + 247)) === "#80FFFF") seen.u++;
  }
  return seen;
}

// Unit beads on frmOperativo1's abacus (frame at 8400,480), probed beside the rod.
export function unitBeadsOp1(session, shot) {
  return U_T.filter((t) => session.pixel(shot, "op1", px(8400 + 1290 + 60), px(480 + t + 247)) === "#80FFFF").length;
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
