// The site's storage for the program's files: IndexedDB, whose transactions
// every tab of the site sees in one order, and one Web Lock that every tab
// takes around a read-change-rewrite, so that two tabs are two programs in
// one folder.  Storage that the browser refuses (turned off, full) makes a
// read give null and a write false, which the program announces as
// "Highscore list gone?".
const databaseName = 'velmorandine';
const storeName = 'files';
const lockName = 'velmorandine-highscores';

function settle(request) {
  return new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

export function openStorage() {
  let database = null;
  let release = null;

  async function store(mode) {
    if (!database) {
      const opening = indexedDB.open(databaseName, 1);
      opening.onupgradeneeded = () => opening.result.createObjectStore(storeName);
      database = await settle(opening);
      database.onversionchange = () => { database.close(); database = null; };
    }
    return database.transaction(storeName, mode, { durability: 'strict' });
  }

  return {
    async read(name) {
      try {
        const text = await settle((await store('readonly')).objectStore(storeName).get(name));
        return typeof text === 'string' ? text : null;
      } catch {
        return null;
      }
    },
    async write(name, text) {
      try {
        const transaction = await store('readwrite');
        transaction.objectStore(storeName).put(text, name);
        await new Promise((resolve, reject) => {
          transaction.oncomplete = resolve;
          transaction.onerror = transaction.onabort = () => reject(transaction.error);
        });
        return true;
      } catch {
        return false;
      }
    },
    lock(waitMs) {
      if (!navigator.locks) return Promise.resolve(true); // one tab at most where there are no locks
      return new Promise((resolve) => {
        navigator.locks
          .request(lockName, { signal: AbortSignal.timeout(waitMs) }, () => {
            resolve(true);
            return new Promise((done) => { release = done; });
          })
          .catch(() => resolve(false));
      });
    },
    unlock() {
      const done = release;
      release = null;
      if (done) done();
    },
  };
}

// Asks the browser to keep the site's storage under pressure too; where it
// will not, the scores still stay until the player clears the site's data.
export async function askToPersist() {
  try {
    return navigator.storage && navigator.storage.persist ? await navigator.storage.persist() : false;
  } catch {
    return false;
  }
}
