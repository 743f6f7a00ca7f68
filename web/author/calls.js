// How an author page calls its module: texts and bytes in, JSON answers out.
export function callsOf(module) {
  const json = (text) => (text === '' ? null : JSON.parse(text));
  return {
    call: (name, types, args) => json(module.ccall(name, 'string', types, args)),
    // Bytes copied into the module's memory for the length of one call.
    withBytes(bytes, use) {
      const pointer = module._malloc(Math.max(bytes.length, 1));
      module.HEAPU8.set(bytes, pointer);
      try {
        return use(pointer, bytes.length);
      } finally {
        module._free(pointer);
      }
    },
  };
}
