// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// Calls into the core, for the page and for the build that writes it. Each text is written into
// memory the core allocates, not onto its small stack, so that an entry of any length reaches it,
// and is freed after the call; the answer comes back as text, or parsed where it is JSON.
export function coreCalls(core) {
  const ask = (name, ...args) => {
    const held = [];
    try {
      const passed = args.map((arg) => {
        if (typeof arg !== 'string') return Number(arg);
        const size = core.lengthBytesUTF8(arg) + 1;
        const at = core._malloc(size);
        if (!at) throw new RangeError('the core has no memory left for this text');
        held.push(at);
        core.stringToUTF8(arg, at, size);
        return at;
      });
      return core.UTF8ToString(core[`_${name}`](...passed));
    } finally {
      held.forEach((at) => core._free(at));
    }
  };
  return {ask, askJson: (name, ...args) => JSON.parse(ask(name, ...args))};
}
